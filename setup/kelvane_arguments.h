// The setup tool's command line: "<option>,<check log>[,<root selector>]".
#pragma once

#include <string>
#include <vector>

#include "shared/registry.h"

// HKEY_CURRENT_CONFIG; the other roots come from the registry module.
constexpr RegHive kHkeyCurrentConfig = 0x80000005u;

// The argument list made from the raw command text (everything after the
// program name, quotes kept): split at every comma, and always at least two
// items. Text without a comma is the option with an empty log location; an
// empty text is the help request.
std::vector<std::string> SplitKelvaneArguments(const std::string& rawCommandText);

// Item 0 in lower case is "/h" (not trimmed: " /h" is no help request).
bool IsHelpRequest(const std::vector<std::string>& arguments);

// Which root the command line selects.
struct RootChoice {
    RegHive Root = kHkeyCurrentUser;
    // False when the selector is a number beyond a 16-bit whole number: such
    // a command line is not trusted to change the registry (check only).
    bool InRange = true;
};

// Item 2 rounded half to even when numeric, 0 when not, 1 when absent;
// 1 to 4 map to the current user, local machine, current configuration and
// users roots, every other selector to the current user.
RootChoice ChooseRegistryRoot(const std::vector<std::string>& arguments);

// Rounds half-way values to the even neighbour; false (value untouched) when
// the result does not lie between minimum and maximum.
bool RoundHalfToEven(double number, long minimum, long maximum, long* value);

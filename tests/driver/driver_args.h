// The UI driver's command line: a sequence of commands, each followed by its
// options ("--name value" or "--flag") and a fixed number of plain arguments.
#pragma once
#include <map>
#include <string>
#include <vector>

struct DriverCommand {
    std::string name;
    std::map<std::string, std::string> options;  // "pid" -> "12"; flags map to ""
    std::vector<std::string> arguments;

    bool Has(const std::string& option) const { return options.count(option) != 0; }
    std::string Get(const std::string& option, const std::string& fallback = "") const;
};

struct DriverCommandLine {
    std::vector<DriverCommand> commands;
    std::string error;  // empty when the line parsed
};

DriverCommandLine ParseDriverCommandLine(const std::vector<std::string>& args);

// Reads a whole decimal or 0x-hex number; false on anything else.
bool ParseNumber(const std::string& text, long long& value);

// "X,Y" as two numbers; false on anything else.
bool ParsePoint(const std::string& text, long long& x, long long& y);

// Options that choose the top-level window; a command without any of them
// reuses the previous command's choice.
bool HasWindowSelector(const DriverCommand& command);

const char* DriverUsage();

// The setup tool: registers the declaration program to start at every logon
// (the Run key value "LoGonWindow"), removes that registration or checks it,
// and records the outcome as one line in a check log.
#pragma once

#include <string>
#include <vector>

#include "setup/kelvane_system.h"
#include "shared/registry.h"

// Process exit codes, for deployment scripts.
constexpr int kExitDone = 0;           // the action was done and logged
constexpr int kExitNotSetUp = 1;       // the check found no registration
constexpr int kExitLogNotWritten = 2;  // the check log could not be written
constexpr int kExitHelp = 3;           // the help was asked for (or the line was empty)

extern const char kHelpTitle[];
extern const char kErrorTitle[];
extern const char kProductMarker[];

// The help box text: eleven lines joined by CR LF.
std::string KelvaneHelpText();

// The whole run: parse the raw command text, show the help or do one action.
int RunKelvane(Registry& registry, KelvaneSystem& system, const std::string& rawCommandText);

// Set-up, removal or check by item 0 (trimmed in place), logged to item 1.
// With mayChangeRegistry false only the check is made.
int ConfigureLogonStart(Registry& registry, KelvaneSystem& system, RegHive root, std::vector<std::string>& arguments,
                        bool mayChangeRegistry = true);

// Resolves the log file name (location updated in place) and writes the
// line "user,date time,text". False when the file could not be written.
bool WriteCheckLog(KelvaneSystem& system, const std::string& text, std::string& location);

// Trims the path (updated in place) and writes the text as one line; on
// failure shows the critical box (or files its text) and answers false.
bool WriteCheckLogFile(KelvaneSystem& system, const std::string& text, std::string& path);

// The check log file a location names: empty is the current folder,
// a trailing "\" a folder, anything else the file itself (not trimmed).
std::string ResolveCheckLogLocation(const std::string& location, const std::string& userName);

// Where a message goes when no box can be shown: a file beside the check
// log, named after the user and the kind of message.
std::string MessageFilePath(const std::string& checkLogPath, const std::string& userName, const std::string& kind);

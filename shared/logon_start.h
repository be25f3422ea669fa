// Keeps the program registered to start at every logon (the Run key value
// "LoGonWindow"), or removes its entry on machines that start it otherwise.
#pragma once

#include <string>

#include "shared/registry.h"

extern const char kRunKeyPath[];
extern const char kRunValueName[];

// True when a Run value starts this program: it names "Tessarin" in any
// case (paths on Windows are case-insensitive), quoted or not.
bool NamesThisProgram(const std::string& runValue);
// The Run value for a program path: in double quotes when the path holds a
// blank, so Windows never tries "C:\Program.exe" for "C:\Program Files\...".
std::string RunCommandFor(const std::string& exePath);
// The program path of a Run value, without the quotes RunCommandFor adds.
std::string ProgramPathOf(const std::string& runValue);

// logonStartItem: the "Logon Start" item: "server", "local machine", or
// anything else for the current user. appExePath: the program's full path.
void RegisterLogonStart(Registry& registry, const std::string& logonStartItem, const std::string& appExePath);

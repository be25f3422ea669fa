// Keeps the program registered to start at every logon (the Run key value
// "LoGonWindow"), or removes its entry on machines that start it otherwise.
#pragma once

#include <string>

#include "shared/registry.h"

extern const char kRunKeyPath[];
extern const char kRunValueName[];

// logonStartItem: the "Logon Start" item: "server", "local machine", or
// anything else for the current user. appExePath: the program's full path.
void RegisterLogonStart(Registry& registry, const std::string& logonStartItem, const std::string& appExePath);

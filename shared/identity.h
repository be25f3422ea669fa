// Who is logged on and which machine this is.
#pragma once

#include <string>

std::string GetLogonUserName();
// kind 1: hardware address "00-1A-2B-3C-4D-5E"; kind 2: IP address field of
// the last address of the first adapter (16 characters as the system fills it).
std::string GetAdapterAddress(int kind);
// The folder and full path of the running program.
std::string AppFolder();
std::string AppExePath();

// The declaration program's command line: plain text searched for markers.
#pragma once

#include <string>

// "/s" anywhere (case-sensitive): started by Windows as the screen saver.
bool HasScreenSaverMarker(const std::string& commandLine);
// Everything after the first "-U" (case-sensitive), trimmed; empty without the marker.
std::string CommandLineUserName(const std::string& commandLine);

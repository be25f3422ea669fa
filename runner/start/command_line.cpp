#include "runner/start/command_line.h"

#include "shared/text_routines.h"

bool HasScreenSaverMarker(const std::string& commandLine) { return commandLine.find("/s") != std::string::npos; }

std::string CommandLineUserName(const std::string& commandLine) {
    const auto marker = commandLine.find("-U");
    if (marker == std::string::npos) return std::string();
    return Trim(commandLine.substr(marker + 2));
}

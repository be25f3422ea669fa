#include "shared/logon_start.h"

#include "shared/text_routines.h"

const char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValueName[] = "LoGonWindow";

bool NamesThisProgram(const std::string& runValue) { return ToLower(runValue).find("tessarin") != std::string::npos; }

std::string RunCommandFor(const std::string& exePath) {
    if (exePath.find(' ') == std::string::npos || (exePath.size() >= 2 && exePath.front() == '"')) return exePath;
    return "\"" + exePath + "\"";
}

std::string ProgramPathOf(const std::string& runValue) {
    if (runValue.size() >= 2 && runValue.front() == '"' && runValue.back() == '"')
        return runValue.substr(1, runValue.size() - 2);
    return runValue;
}

void RegisterLogonStart(Registry& registry, const std::string& logonStartItem, const std::string& appExePath) {
    const std::string mode = ToLower(logonStartItem);
    if (mode == "server") {
        // Only an entry that names this program is emptied; the value stays.
        for (RegHive hive : {kHkeyCurrentUser, kHkeyLocalMachine}) {
            const std::string current = RegGetString(registry, hive, kRunKeyPath, kRunValueName, "");
            if (NamesThisProgram(current)) {
                RegSetString(registry, hive, kRunKeyPath, kRunValueName, "");
            }
        }
        return;
    }
    const RegHive hive = mode == "local machine" ? kHkeyLocalMachine : kHkeyCurrentUser;
    RegSetString(registry, hive, kRunKeyPath, kRunValueName, RunCommandFor(appExePath));
}

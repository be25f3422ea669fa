#include "shared/logon_start.h"

#include "shared/text_routines.h"

const char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValueName[] = "LoGonWindow";

void RegisterLogonStart(Registry& registry, const std::string& logonStartItem, const std::string& appExePath) {
    const std::string mode = ToLower(logonStartItem);
    if (mode == "server") {
        // Only an entry that names this program is emptied; the value stays.
        for (RegHive hive : {kHkeyCurrentUser, kHkeyLocalMachine}) {
            const std::string current = RegGetString(registry, hive, kRunKeyPath, kRunValueName, "");
            if (current.find("Tessarin") != std::string::npos) {
                RegSetString(registry, hive, kRunKeyPath, kRunValueName, "");
            }
        }
        return;
    }
    const RegHive hive = mode == "local machine" ? kHkeyLocalMachine : kHkeyCurrentUser;
    RegSetString(registry, hive, kRunKeyPath, kRunValueName, appExePath);
}

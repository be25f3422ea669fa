#include "setup/kelvane.h"

#include "setup/kelvane_arguments.h"
#include "shared/logon_start.h"
#include "shared/text_routines.h"

const char kHelpTitle[] = "Tessarin PC Configuration Check";
const char kErrorTitle[] = "Tessarin PC Configuration";

namespace {

const char kCheckLogSuffix[] = "_TsrChk.log";

bool HasWildcard(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

bool NamesProgramFile(KelvaneSystem& system, const std::string& path) {
    // A wildcard would register a Run entry that starts nothing, logged as
    // set up: only a path naming one file is set up.
    return !path.empty() && !HasWildcard(path) && system.FindsOrdinaryFile(path);
}

bool IsOurRegistration(const std::string& value) { return NamesThisProgram(value); }

// Shows the message, or without anyone to see it writes the same text to a
// file beside the check log, so an unattended run never waits on a box.
void Tell(KelvaneSystem& system, bool critical, const std::string& title, const std::string& text,
          const std::string& checkLogPath) {
    if (system.CanShowMessages()) {
        if (critical) system.ShowCritical(title, text);
        else system.ShowInformation(title, text);
        return;
    }
    const std::string user = system.LogonUserName();
    const std::string file = MessageFilePath(Trim(checkLogPath), user, critical ? "Error" : "Help");
    std::string ignored;
    system.WriteLineFile(file, text, &ignored);
}

}  // namespace

std::string KelvaneHelpText() {
    static const char* const kLines[] = {
        "Program Syntax: Kelvane [Configuation Option],[Check Log File]",
        "Configuation Options: [Tessarin Program][None]",
        "",
        "eg. Set up Tessarin ",
        "Kelvane.exe Z:\\CompanyFiles\\Apps\\Tessarin.exe, Z:\\CompanyFiles\\Users\\Tessarin\\[Tessarin.log]",
        "",
        "eg. Remove Tessarin ",
        "Kelvane.exe None, Z:\\CompanyFiles\\Users\\Tessarin\\",
        "",
        "eg. Check Tessarin ",
        "Kelvane.exe , Z:\\CompanyFiles\\Users\\Tessarin\\",
    };
    std::string text;
    for (std::size_t i = 0; i < sizeof kLines / sizeof kLines[0]; ++i) {
        if (i > 0) text += "\r\n";
        text += kLines[i];
    }
    return text;
}

std::string ResolveCheckLogLocation(const std::string& location, const std::string& userName) {
    if (location.empty()) return ".\\" + userName + kCheckLogSuffix;
    if (location.back() == '\\') return location + userName + kCheckLogSuffix;
    return location;
}

std::string MessageFilePath(const std::string& checkLogPath, const std::string& userName, const std::string& kind) {
    const std::string::size_type slash = checkLogPath.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : checkLogPath.substr(0, slash + 1);
    return folder + userName + "_TsrChk" + kind + ".txt";
}

bool WriteCheckLogFile(KelvaneSystem& system, const std::string& text, std::string& path) {
    path = Trim(path);
    std::string error;
    if (system.WriteLineFile(path, text, &error)) return true;
    Tell(system, true, kErrorTitle, error + " " + path, path);
    return false;
}

bool WriteCheckLog(KelvaneSystem& system, const std::string& text, std::string& location) {
    if (location.empty() || location.back() == '\\')
        location = ResolveCheckLogLocation(location, system.LogonUserName());
    const std::string line = system.LogonUserName() + "," + system.NowText() + "," + text;
    return WriteCheckLogFile(system, line, location);
}

int ConfigureLogonStart(Registry& registry, KelvaneSystem& system, RegHive root, std::vector<std::string>& arguments,
                        bool mayChangeRegistry) {
    arguments[0] = Trim(arguments[0]);
    const std::string option = arguments[0];
    std::string& location = arguments[1];

    // A write that fails (the local machine without administrator rights)
    // is not logged as set up: the check below records what the root holds.
    if (mayChangeRegistry && NamesProgramFile(system, option) &&
        RegSetString(registry, root, kRunKeyPath, kRunValueName, RunCommandFor(option))) {
        return WriteCheckLog(system, option, location) ? kExitDone : kExitLogNotWritten;
    }
    if (mayChangeRegistry && option == "None") {
        // Both roots, whatever the command line chose; other programs'
        // entries under the same name stay.
        for (RegHive hive : {kHkeyCurrentUser, kHkeyLocalMachine}) {
            if (IsOurRegistration(RegGetString(registry, hive, kRunKeyPath, kRunValueName, "")))
                RegDelete(registry, hive, kRunKeyPath, kRunValueName);
        }
        return WriteCheckLog(system, "None", location) ? kExitDone : kExitLogNotWritten;
    }
    const std::string stored = RegGetString(registry, root, kRunKeyPath, kRunValueName, "");
    if (IsOurRegistration(stored))
        return WriteCheckLog(system, ProgramPathOf(stored), location) ? kExitDone : kExitLogNotWritten;
    const std::string notSetUp = "Tessarin has not been set up as " + option + " cannot be seen.";
    return WriteCheckLog(system, notSetUp, location) ? kExitNotSetUp : kExitLogNotWritten;
}

int RunKelvane(Registry& registry, KelvaneSystem& system, const std::string& rawCommandText) {
    std::vector<std::string> arguments = SplitKelvaneArguments(rawCommandText);
    if (IsHelpRequest(arguments)) {
        const std::string logPath = ResolveCheckLogLocation(arguments[1], system.LogonUserName());
        Tell(system, false, kHelpTitle, KelvaneHelpText(), logPath);
        return kExitHelp;
    }
    const RootChoice choice = ChooseRegistryRoot(arguments);
    return ConfigureLogonStart(registry, system, choice.Root, arguments, choice.InRange);
}

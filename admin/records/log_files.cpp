#include "admin/records/log_files.h"

#include "admin/console/tab_rules.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "shared/registry.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

std::string GetLogFolder(const SettingsStore& adminSettings, const std::string& appFolder) {
    const std::string item = FirstItem(GetSettingValue("TsrPath", adminSettings));
    return Trim(item).empty() ? appFolder : item;
}

std::string GetOutputFolder(const SettingsStore& adminSettings, const std::string& logFolder) {
    std::string folder = FirstItem(GetSettingValue("BundlePath", adminSettings));
    if (Trim(folder).empty()) folder = logFolder;
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/')) {
        const bool slashesOnly = folder.find('/') != std::string::npos && folder.find('\\') == std::string::npos;
        folder += slashesOnly ? '/' : '\\';
    }
    return folder;
}

bool IsLogFileName(const std::string& name) { return name.find(kLogMarker) != std::string::npos; }

std::vector<std::string> LogFileNames(const std::string& logFolder) {
    std::vector<std::string> names = FileNamesIn(logFolder);
    std::vector<std::string> logs;
    logs.reserve(names.size());
    for (std::string& name : names) {
        if (IsLogFileName(name)) logs.push_back(std::move(name));
    }
    return logs;
}

std::string LogFolderProblem(const std::string& logFolder) {
    if (FolderExists(logFolder)) return std::string();
    if (FileExists(logFolder)) return "The log folder " + logFolder + " is a file, not a folder";
    return "The log folder " + logFolder + " does not exist";
}

std::string LogActionCaption(const SettingsStore& adminSettings) {
    return BundleButtonCaption(GetSettingItem("Bundle Option", adminSettings, "", "&Bundle"));
}

bool AutoShowLog(const SettingsStore& adminSettings) {
    return IsYes(GetSettingItem("Auto Show Log", adminSettings, "", "yes"));
}

std::string LogSqlTemplate(const SettingsStore& adminSettings) { return GetSettingValue("Log Sql", adminSettings); }

std::string ExportTitle(const std::string& logFolder) { return logFolder + kProgramTitle; }

bool IsExcelRegistered(Registry& registry) {
    return !RegGetString(registry, kHkeyClassesRoot, "Excel.Sheet\\CurVer", "*", "").empty();
}

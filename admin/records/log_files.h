// The log tab's files and settings: which folder holds the acceptance
// records, which of its files are records, where the bundle, the SQL script
// and the workbook go, and the settings that shape the tab.
#pragma once

#include <string>
#include <vector>

class SettingsStore;
class Registry;

// A record file is named after its user followed by this (case-sensitive).
constexpr char kLogMarker[] = "_Declaration";
constexpr char kBundleFileName[] = "Bundle.Log";
constexpr char kSqlFileName[] = "TessarinLog.sql";
constexpr char kWorkbookFileName[] = "TessarinLog.xlsx";
constexpr char kCsvFileName[] = "TessarinLog.csv";
// The console's program title; the export's title is the log folder followed by it.
constexpr char kProgramTitle[] = "TsrAdmin";

// The item of "TsrPath" as it stands (untrimmed); the application folder
// when that item is empty after trimming.
std::string GetLogFolder(const SettingsStore& adminSettings, const std::string& appFolder);
// The item of "BundlePath", else the log folder, ending in a separator: "\"
// is appended unless the folder already ends in one ("\" or "/"); a folder
// written with "/" only gets "/".
std::string GetOutputFolder(const SettingsStore& adminSettings, const std::string& logFolder);

bool IsLogFileName(const std::string& name);
// The record files directly in the folder, in the order the file system
// lists them; empty for a missing folder.
std::vector<std::string> LogFileNames(const std::string& logFolder);
// "" when the folder can be listed; otherwise the status text that says why not.
std::string LogFolderProblem(const std::string& logFolder);

// The action button's caption from "Bundle Option" ("&Bundle" when missing).
std::string LogActionCaption(const SettingsStore& adminSettings);
// "Auto Show Log": every item other than "no" (trimmed, any case) is yes.
bool AutoShowLog(const SettingsStore& adminSettings);
// The whole value of "Log Sql", untrimmed.
std::string LogSqlTemplate(const SettingsStore& adminSettings);
// The title of a spreadsheet export: the log folder followed by the program title.
std::string ExportTitle(const std::string& logFolder);

// True when "Excel.Sheet\CurVer" under the classes root has a non-empty
// default value.
bool IsExcelRegistered(Registry& registry);

#include "admin/console/console_files.h"

#include "shared/file_routines.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

namespace {

bool EndsWithNoCase(const std::string& text, const char* tail) {
    const std::string end(tail);
    return text.size() >= end.size() && ToLower(text.substr(text.size() - end.size())) == end;
}

bool IsDocumentFile(const std::string& path) {
    return EndsWithNoCase(path, "htm") || EndsWithNoCase(path, "html") || IsPdfOrDocFile(path);
}

}  // namespace

bool IsHtmlFile(const std::string& path) { return EndsWithNoCase(path, "htm") || EndsWithNoCase(path, "html"); }

bool IsPdfOrDocFile(const std::string& path) { return EndsWithNoCase(path, "pdf") || EndsWithNoCase(path, "doc"); }

std::string GetDocumentFile(const std::string& appFolder, const std::string& documentPath,
                            const SettingsStore& adminSettings) {
    if (IsDocumentFile(documentPath) && FileExists(Trim(documentPath))) return Trim(documentPath);
    const std::string configured = Trim(GetSettingValue("Declaration Document", adminSettings));
    if (FileExists(configured)) return configured;
    for (const char* name : {"\\documents\\index.html", "\\documents\\default.html", "\\documents\\default.htm"}) {
        if (FileExists(appFolder + name)) return appFolder + name;
    }
    return appFolder + "\\documents\\index.htm";
}

std::string GetSettingsFile(const std::string& appFolder, std::string* adminSettingsPath) {
    if (Trim(*adminSettingsPath).empty()) *adminSettingsPath = appFolder + "\\Tessarin.ini";
    return *adminSettingsPath;
}

std::string GetDatesFile(const std::string& appFolder, std::string* datesFilePath) {
    if (datesFilePath->empty() || !FileExists(*datesFilePath)) *datesFilePath = appFolder + "\\documents\\document.ini";
    return *datesFilePath;
}

std::string WorkingCopyOf(const std::string& documentPath) { return documentPath + "~"; }

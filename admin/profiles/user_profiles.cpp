#include "admin/profiles/user_profiles.h"

#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "shared/settings_encoding.h"
#include "shared/text_routines.h"

namespace {

// A users list is names, one a line: a million of them is some 20 MB.
constexpr std::size_t kUsersFileLimit = 32u * 1024u * 1024u;
// Names listed in a status text before the rest are only counted.
constexpr std::size_t kNamesShown = 5;

std::string NameList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) {
        if (i > 0) text += ", ";
        text += names[i];
    }
    if (names.size() > kNamesShown) text += " and " + std::to_string(names.size() - kNamesShown) + " more";
    return text;
}

}  // namespace

UsersWindowSetup UsersSetupFor(int action) {
    UsersWindowSetup setup;
    if (action == 1) {
        setup = {true, false, true, kImportCaption, "Users"};
    } else if (action == 2) {
        setup = {true, true, false, kDeleteCaption, "User Settings"};
    }
    return setup;
}

std::string UsersButtonCaption(const std::string& usersText) {
    return usersText.empty() ? kImportCaption : kCopyCaption;
}

std::vector<std::string> ListProfiles(const std::string& appFolder) {
    std::vector<std::string> profiles;
    for (std::string& name : FileNamesIn(ProfilesFolder(appFolder)))
        if (name.find(".ini") != std::string::npos) profiles.push_back(std::move(name));
    return profiles;
}

std::vector<std::string> UserNamesFromText(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string name = TrimBlanks(text.substr(start, end - start));
        if (name.size() > 1) names.push_back(std::move(name));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return names;
}

std::string ImportUsersText(const std::string& path) {
    std::string bytes;
    if (path.empty() || IsDeviceName(path) || !ReadFileStart(path, kUsersFileLimit, &bytes)) return std::string();
    const std::string text = SettingsTextFromFile(bytes);
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            // A NUL would end the text box's text there.
            out += c == '\0' ? '?' : c;
        }
    }
    return out;
}

CopyReport CopyToUsers(const std::string& usersText, const CopyToProfile& copy, const CopyProgress& keepGoing) {
    CopyReport report;
    const std::vector<std::string> names = UserNamesFromText(usersText);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (keepGoing && !keepGoing(i, names.size())) {
            report.NotReached = names.size() - i;
            break;
        }
        const std::string& name = names[i];
        switch (copy(name + ".ini")) {
        case CopyResult::Copied: ++report.Copied; break;
        case CopyResult::NotAFileName: report.NotFileNames.push_back(name); break;
        case CopyResult::NotWritten: report.NotWritten.push_back(name + ".ini"); break;
        }
    }
    return report;
}

std::string CopyStatusText(const CopyReport& report) {
    if (report.NotFileNames.empty() && report.NotWritten.empty() && report.NotReached == 0) return kCopiedStatus;
    const std::size_t total = report.Copied + report.NotFileNames.size() + report.NotWritten.size() + report.NotReached;
    std::string text =
        "Settings have been copied for " + std::to_string(report.Copied) + " of " + std::to_string(total) + " users.";
    if (!report.NotFileNames.empty()) text += " Skipped, not a file name: " + NameList(report.NotFileNames) + ".";
    if (!report.NotWritten.empty()) text += " Could not write: " + NameList(report.NotWritten) + ".";
    if (report.NotReached > 0) text += " Stopped: " + std::to_string(report.NotReached) + " users not copied.";
    return text;
}

DeleteReport DeleteUserProfiles(const std::string& appFolder, const std::vector<std::string>& entries,
                                const std::vector<bool>& selected) {
    DeleteReport report;
    const std::string folder = ProfilesFolder(appFolder);
    for (std::size_t i = 0; i < entries.size() && i < selected.size(); ++i) {
        if (!selected[i]) continue;
        if (!IsPlainFileName(entries[i])) {
            report.NotDeleted.push_back(entries[i]);
            continue;
        }
        const std::string path = JoinPath(folder, entries[i]);
        DeleteFileAt(path);
        if (FileExists(path)) report.NotDeleted.push_back(entries[i]);
        else ++report.Deleted;
    }
    return report;
}

std::string DeleteStatusText(const DeleteReport& report) {
    if (report.NotDeleted.empty()) return kDeletedStatus;
    return std::string(kDeletedStatus) + ", except " + NameList(report.NotDeleted) + " (could not be deleted)";
}

#include "shared/file_operations.h"

#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>

#include "shared/file_routines.h"

bool CopyFileTo(const std::string& source, const std::string& destination, bool overwrite) {
    if (!overwrite && FileExists(destination)) return false;
    std::string content;
    if (!FileExists(source) || !ReadWholeFile(source, &content)) return false;
    return ReplaceFileAtomically(destination, content);
}

void DeleteFileAt(const std::string& path) {
    if (FileExists(path)) std::remove(path.c_str());
}

namespace {

std::string FileTimeText(const std::string& path, bool accessed) {
    struct stat st {};
    if (!FileExists(path) || ::stat(path.c_str(), &st) != 0) return std::string();
    std::tm local{};
    time_t when = accessed ? st.st_atime : st.st_mtime;
    if (!localtime_r(&when, &local)) return std::string();
    std::string text = std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
                       std::to_string(local.tm_year + 1900);
    if (local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0) return text;
    char time[32];
    int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
    std::snprintf(time, sizeof time, " %d:%02d:%02d %s", hour12, local.tm_min, local.tm_sec,
                  local.tm_hour < 12 ? "AM" : "PM");
    return text + time;
}

}  // namespace

std::string FileModifiedDate(const std::string& path, int kind) { return kind == 4 ? FileTimeText(path, false) : ""; }

std::string FileAccessedDate(const std::string& path) { return FileTimeText(path, true); }

bool FileModifiedTime(const std::string& path, long long* when) {
    struct stat st {};
    if (!FileExists(path) || ::stat(path.c_str(), &st) != 0) return false;
    *when = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (FileExists(JoinPath(folder, name))) names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

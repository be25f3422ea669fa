#include "shared/file_operations.h"

#include "shared/file_routines.h"
#include "shared/win32/handles.h"

namespace {

std::string DateText(const SYSTEMTIME& when, bool withTime) {
    char date[128] = {};
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, sizeof date)) return std::string();
    std::string text = date;
    if (!withTime) return text;
    char time[128] = {};
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &when, nullptr, time, sizeof time)) text += std::string(" ") + time;
    return text;
}

// The attributes of a file (not a folder or device), with FileExists's
// rules, in one call: a directory search per file costs several times as
// much, which tells when a folder of ten thousand records is listed.
bool FileAttributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA* data) {
    if (path.empty() || path.find_first_of("*?") != std::string::npos || IsDeviceName(path)) return false;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, data)) return false;
    return (data->dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

// One of a file's times as the user's date and time (no time at midnight).
std::string FileTimeText(const std::string& path, FILETIME WIN32_FILE_ATTRIBUTE_DATA::*which) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!FileAttributes(path, &data)) return std::string();
    FILETIME local;
    SYSTEMTIME when;
    if (!FileTimeToLocalFileTime(&(data.*which), &local) || !FileTimeToSystemTime(&local, &when)) return std::string();
    bool midnight = when.wHour == 0 && when.wMinute == 0 && when.wSecond == 0;
    return DateText(when, !midnight);
}

}  // namespace

bool CopyFileTo(const std::string& source, const std::string& destination, bool overwrite) {
    if (!overwrite && FileExists(destination)) return false;
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

void DeleteFileAt(const std::string& path) {
    if (FileExists(path)) DeleteFileA(path.c_str());
}

std::string FileModifiedDate(const std::string& path, int kind) {
    if (kind != 4) return std::string();
    return FileTimeText(path, &WIN32_FILE_ATTRIBUTE_DATA::ftLastWriteTime);
}

std::string FileAccessedDate(const std::string& path) {
    return FileTimeText(path, &WIN32_FILE_ATTRIBUTE_DATA::ftLastAccessTime);
}

bool FileModifiedTime(const std::string& path, long long* when) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!FileAttributes(path, &data)) return false;
    *when = (static_cast<long long>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return true;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileA(JoinPath(folder, "*").c_str(), &found));
    if (!search.Valid()) return names;
    do {
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
    return names;
}

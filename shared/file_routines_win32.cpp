#include "shared/file_routines.h"

#include "shared/win32/handles.h"

namespace {

bool HasWildcard(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

bool WriteAll(HANDLE file, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD chunk = static_cast<DWORD>(content.size() - done > 0x10000000 ? 0x10000000 : content.size() - done);
        DWORD written = 0;
        if (!WriteFile(file, content.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

bool FileExists(const std::string& path) {
    if (path.empty() || HasWildcard(path) || IsDeviceName(path)) return false;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileA(path.c_str(), &found));
    if (!search.Valid()) return false;
    return (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool FolderExists(const std::string& path) {
    if (path.empty() || HasWildcard(path)) return false;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateFolder(const std::string& path) {
    if (path.empty() || HasWildcard(path)) return false;
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE || FolderExists(path);
}

bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string* content) {
    content->clear();
    if (path.empty() || IsDeviceName(path)) return false;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    // Only a file on a disk: a pipe or a device may never answer a read.
    if (!file.Valid() || GetFileType(file.Get()) != FILE_TYPE_DISK) return false;
    char buffer[65536];
    while (content->size() < maxBytes) {
        DWORD want = sizeof buffer;
        if (maxBytes - content->size() < want) want = static_cast<DWORD>(maxBytes - content->size());
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer, want, &got, nullptr)) return !content->empty();
        if (got == 0) break;
        content->append(buffer, got);
    }
    return true;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content) {
    if (path.empty() || IsDeviceName(path) || FolderExists(path)) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    // Windows refuses to replace a read-only file; say so before writing
    // anything rather than rely on every file system doing the same.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    std::string folder = FolderOf(path);
    if (folder.empty()) folder = ".";
    char temp[MAX_PATH + 1] = {};
    // GetTempFileNameA creates the (empty) file, so the name is ours alone.
    if (!GetTempFileNameA(folder.c_str(), "tsr", 0, temp)) return false;
    bool ok;
    {
        FileHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ok = file.Valid() && WriteAll(file.Get(), content) && FlushFileBuffers(file.Get());
        ok = file.Reset() && ok;
    }
    ok = ok && MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        const DWORD error = GetLastError();
        DeleteFileA(temp);
        SetLastError(error);
    }
    return ok;
}

std::string LastFileError() {
    const DWORD error = GetLastError();
    char text[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ')) text[--n] = 0;
    return n ? std::string(text, n) : "Error " + std::to_string(error) + ".";
}

std::string LocalAppDataFolder() {
    char buffer[MAX_PATH * 2] = {};
    const DWORD n = GetEnvironmentVariableA("LOCALAPPDATA", buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

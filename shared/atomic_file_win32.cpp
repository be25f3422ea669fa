#include "shared/atomic_file.h"

#include "shared/file_routines.h"

namespace {

constexpr std::size_t kBufferSize = 256 * 1024;

// The system's text for an error code, without its line end.
std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD n =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = n && text ? std::string(text, n) : std::string();
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

}  // namespace

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Fail() {
    const DWORD code = GetLastError();
    if (error_.empty()) error_ = SystemMessage(code);
    failed_ = true;
    return false;
}

void AtomicFile::Discard() {
    file_.Reset();
    if (!temp_.empty()) DeleteFileA(temp_.c_str());
    temp_.clear();
}

bool AtomicFile::Open(const std::string& path) {
    Discard();
    path_ = path;
    error_.clear();
    buffer_.clear();
    failed_ = false;
    if (path.empty() || IsDeviceName(path) || FolderExists(path)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Fail();
    }
    // Windows refuses to replace a read-only file; say so before writing
    // anything rather than rely on every file system doing the same.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Fail();
    }
    std::string folder = FolderOf(path);
    if (folder.empty()) folder = ".";
    char temp[MAX_PATH + 1] = {};
    // GetTempFileNameA creates the (empty) file, so the name is ours alone.
    if (!GetTempFileNameA(folder.c_str(), "tsr", 0, temp)) return Fail();
    temp_ = temp;
    file_.Reset(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_.Valid()) return Fail();
    buffer_.reserve(kBufferSize);
    return true;
}

bool AtomicFile::Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const std::size_t left = buffer_.size() - done;
        const DWORD chunk = static_cast<DWORD>(left > 0x10000000 ? 0x10000000 : left);
        DWORD written = 0;
        if (!WriteFile(file_.Get(), buffer_.data() + done, chunk, &written, nullptr) || written == 0) return Fail();
        done += written;
    }
    buffer_.clear();
    return true;
}

bool AtomicFile::Write(const char* data, std::size_t size) {
    if (failed_ || !file_.Valid()) return false;
    if (buffer_.size() + size > kBufferSize && !Flush()) return false;
    if (size >= kBufferSize) {
        buffer_.assign(data, size);
        return Flush();
    }
    buffer_.append(data, size);
    return true;
}

bool AtomicFile::Commit() {
    if (failed_ || !file_.Valid()) {
        Discard();
        return false;
    }
    bool ok = Flush() && (FlushFileBuffers(file_.Get()) || Fail());
    ok = (file_.Reset() || Fail()) && ok;
    ok =
        ok && (MoveFileExA(temp_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) || Fail());
    if (ok) temp_.clear();
    Discard();
    return ok;
}

#include "shared/file_routines.h"

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Owns a POSIX file descriptor.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool HasWildcard(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string LastFileError() { return std::string(std::strerror(errno)) + "."; }

bool FileExists(const std::string& path) {
    if (path.empty() || HasWildcard(path) || IsDeviceName(path)) return false;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    if (path.empty() || HasWildcard(path)) return false;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateFolder(const std::string& path) {
    if (path.empty() || HasWildcard(path)) return false;
    return ::mkdir(path.c_str(), 0777) == 0 || FolderExists(path);
}

bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string* content) {
    content->clear();
    if (path.empty() || IsDeviceName(path)) return false;
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK));
    struct stat st {};
    // Only a regular file: a pipe or a device may never answer a read.
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    char buffer[65536];
    while (content->size() < maxBytes) {
        std::size_t want = sizeof buffer;
        if (maxBytes - content->size() < want) want = maxBytes - content->size();
        ssize_t n = ::read(fd.Get(), buffer, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return !content->empty();
        if (n == 0) break;
        content->append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content) {
    if (path.empty() || IsDeviceName(path) || FolderExists(path)) return false;
    // A file without write permission is read-only, as on Windows, even for
    // an owner who could rename over it.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return false;
    }
    std::string temp = path + ".XXXXXX";
    Fd fd(::mkstemp(&temp[0]));
    if (fd.Get() < 0) return false;
    bool ok = WriteAll(fd.Get(), content) && ::fsync(fd.Get()) == 0;
    // mkstemp creates the file private to its owner; give it the usual mode.
    ok = ok && ::fchmod(fd.Get(), 0644) == 0;
    ok = fd.Close() && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

std::string LocalAppDataFolder() {
    const char* folder = std::getenv("LOCALAPPDATA");
    return folder ? folder : std::string();
}

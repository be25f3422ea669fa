#include "shared/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/file_routines.h"

namespace {

constexpr std::size_t kBufferSize = 256 * 1024;

}  // namespace

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Fail() {
    if (error_.empty()) error_ = std::strerror(errno);
    failed_ = true;
    return false;
}

void AtomicFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool AtomicFile::Open(const std::string& path) {
    Discard();
    path_ = path;
    error_.clear();
    buffer_.clear();
    failed_ = false;
    if (path.empty() || IsDeviceName(path) || FolderExists(path)) {
        errno = EISDIR;
        return Fail();
    }
    // A file without write permission is read-only, as on Windows, even for
    // an owner who could rename over it.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return Fail();
    }
    std::string temp = path + ".XXXXXX";
    fd_ = ::mkstemp(&temp[0]);
    if (fd_ < 0) return Fail();
    temp_ = temp;
    // mkstemp creates the file private to its owner; give it the usual mode.
    if (::fchmod(fd_, 0644) != 0) return Fail();
    buffer_.reserve(kBufferSize);
    return true;
}

bool AtomicFile::Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail();
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return true;
}

bool AtomicFile::Write(const char* data, std::size_t size) {
    if (failed_ || fd_ < 0) return false;
    if (buffer_.size() + size > kBufferSize && !Flush()) return false;
    if (size >= kBufferSize) {
        buffer_.assign(data, size);
        return Flush();
    }
    buffer_.append(data, size);
    return true;
}

bool AtomicFile::Commit() {
    if (failed_ || fd_ < 0) {
        Discard();
        return false;
    }
    bool ok = Flush() && (::fsync(fd_) == 0 || Fail());
    const int fd = fd_;
    fd_ = -1;
    ok = (::close(fd) == 0 || Fail()) && ok;
    ok = ok && (std::rename(temp_.c_str(), path_.c_str()) == 0 || Fail());
    if (ok) temp_.clear();
    Discard();
    return ok;
}

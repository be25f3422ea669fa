// A file written in pieces and put in place whole: the bytes go to a
// temporary file beside the target, which replaces the target only when
// Commit succeeds. Until then (and after any failure) the old file stays as
// it was and no temporary file is left behind.
#pragma once

#include <cstddef>
#include <string>

#include "shared/win32/handles.h"  // Windows only; empty elsewhere

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();  // an uncommitted temporary file is removed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside path; false with Error() set.
    bool Open(const std::string& path);
    // Buffered; false once anything has failed.
    bool Write(const char* data, std::size_t size);
    bool Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }
    // Flushes, closes and replaces the target; false with Error() set.
    bool Commit();
    // The system's reason for the first failure ("" while all is well).
    const std::string& Error() const { return error_; }

private:
    bool Flush();
    bool Fail();  // records the system's last error, answers false
    void Discard();

    std::string path_, temp_;
    std::string buffer_;
    std::string error_;
#ifdef _WIN32
    FileHandle file_;
#else
    int fd_ = -1;
#endif
    bool failed_ = false;
};

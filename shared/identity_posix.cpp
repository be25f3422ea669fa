#include "shared/identity.h"

#include <cstdlib>
#include <unistd.h>

#include "shared/file_routines.h"

std::string GetLogonUserName() {
    const char* name = std::getenv("USER");
    if (!name || !*name) name = std::getenv("LOGNAME");
    return name ? TrimNameBuffer(name) : std::string();
}

// Native builds have no adapter list to report.
std::string GetAdapterAddress(int) { return std::string(); }

std::string AppExePath() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return std::string();
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string AppFolder() { return FolderOf(AppExePath()); }

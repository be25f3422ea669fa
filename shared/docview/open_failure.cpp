#include "shared/docview/open_failure.h"

std::string OpenFailureNotice(const std::string& path, OpenFailure why) {
    std::string line = "The declaration document could not be opened: ";
    if (path.empty()) return line + "no document was found.";
    line += path;
    switch (why) {
    case OpenFailure::Folder: return line + " (a folder)";
    case OpenFailure::Device: return line + " (a device)";
    case OpenFailure::Unreadable: return line + " (cannot be read)";
    case OpenFailure::Missing: break;
    }
    return line;
}

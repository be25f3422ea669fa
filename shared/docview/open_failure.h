// Why the view could not open a document, and the one line it shows then, so
// that a missing or unusable document never looks like an empty page.
#pragma once

#include <string>

enum class OpenFailure { Missing, Folder, Device, Unreadable };

// "The declaration document could not be opened: <path>", followed by the
// reason unless the file is simply missing. Without a path (nothing was
// opened at all) it says that no document was found.
std::string OpenFailureNotice(const std::string& path, OpenFailure why);

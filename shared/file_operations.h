// File operations of the administration console: copy, delete, modified date.
#pragma once

#include <string>
#include <vector>

// False, doing nothing, when the destination exists and overwrite is false;
// otherwise copies and answers whether the copy was made.
bool CopyFileTo(const std::string& source, const std::string& destination, bool overwrite);
// Deletes the file; a missing or locked file is left alone without a word.
void DeleteFileAt(const std::string& path);
// kind 4: the file's last-modified time as the user's short date and time
// ("12/7/2026 9:05:00 AM"; the time is left out at midnight). Empty text
// for any other kind or a missing file.
std::string FileModifiedDate(const std::string& path, int kind);
// The file's last-access time in the same form; empty for a missing file.
std::string FileAccessedDate(const std::string& path);
// The last-modified time of a file as a number that orders times (its unit
// is the system's own); false for a missing file.
bool FileModifiedTime(const std::string& path, long long* when);
// The names of the plain files in a folder (no sub-folders), in the order
// the file system lists them; empty for a missing folder.
std::vector<std::string> FileNamesIn(const std::string& folder);

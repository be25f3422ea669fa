// File checks and whole-file reads and writes.
#pragma once

#include <cstddef>
#include <string>

// True when the path is not empty and a directory search finds a file (not a
// folder). A path with wildcards names no one file and answers false.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Creates the folder (one level); true when it exists afterwards.
bool CreateFolder(const std::string& path);
// Whole file as bytes; false when it cannot be opened. A read error part-way
// leaves what was read in *content and answers true if anything was read.
bool ReadWholeFile(const std::string& path, std::string* content);
// As ReadWholeFile, but stops after maxBytes.
bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string* content);
// Writes to a temporary file beside the target and then replaces the target,
// so a failed write never leaves a truncated file. False on any error.
bool ReplaceFileAtomically(const std::string& path, const std::string& content);
// Creates or replaces the file with the text followed by CR LF; false when
// the file could not be written (the old file then stays as it was).
bool WriteTextFile(const std::string& text, const std::string& path);
// The file's text with every line followed by CR LF (CR LF, CR and LF all
// end a line); a file that cannot be read gives what was read, maybe nothing.
std::string ReadTextFile(const std::string& path);
// The system's words for why the last file routine failed ("Access is
// denied."), for messages that name the file and the reason.
std::string LastFileError();
// True when the path's last part names a device rather than a file on
// Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension,
// in any case), or the path is in the device namespace (\\.\...). Opening
// such a name opens the device: a serial port waits for ever on a read.
bool IsDeviceName(const std::string& path);
// True when the text can name one file in a folder: not empty, none of
// \ / : * ? " < > | nor a control character, not "." or "..", no trailing
// dot or blank, and no device name.
bool IsPlainFileName(const std::string& name);
// The user's own local application data folder (LOCALAPPDATA), or empty.
std::string LocalAppDataFolder();
// The folder part of a path (without the trailing separator) and the file name.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);

// The user-profiles window's work (frmUsers): which profile files there are,
// writing the settings being edited as the profile of every user in a list,
// deleting profiles, and the texts the window and the status bar show.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "admin/settings/settings_table.h"

// What ShowMe sets up for an action: 1 copies (the user list), 2 deletes
// (the profile list). Any other action sets up nothing.
struct UsersWindowSetup {
    bool Applies = false;
    bool FileListShown = false;
    bool UsersShown = false;
    std::string ButtonCaption;
    std::string Caption;
};
UsersWindowSetup UsersSetupFor(int action);

constexpr char kImportCaption[] = "&Import";
constexpr char kCopyCaption[] = "&Copy";
constexpr char kDeleteCaption[] = "&Delete";  // also the caption when the window loads
constexpr char kCloseCaption[] = "&Close";
constexpr char kDeleteTitle[] = "Delete user settings";
constexpr char kDeleteQuestion[] = "Do you want to delete selected user settings?";
constexpr char kCopiedStatus[] = "Settings have been copied for all selected users";
constexpr char kDeletedStatus[] = "Settings have been deleted for all selected users";

// The action button's caption while the user list is edited.
std::string UsersButtonCaption(const std::string& usersText);

// Profile files: the names in the "Profiles" folder that contain ".ini"
// (exact case), in the order the file system lists them; none when the
// folder is missing.
std::vector<std::string> ListProfiles(const std::string& appFolder);

// The user names of a list: one per line (CR LF, CR or LF), blanks and tabs
// trimmed, names of one character left out.
std::vector<std::string> UserNamesFromText(const std::string& text);

// The text "&Import" puts in the user list: the file's text (a Unicode
// file read as the settings files are), CR LF line ends, NUL bytes shown
// as "?". Empty when the path is empty or the file cannot be read.
std::string ImportUsersText(const std::string& path);

struct CopyReport {
    std::size_t Copied = 0;
    std::vector<std::string> NotFileNames;  // names skipped: no file could hold them
    std::vector<std::string> NotWritten;    // profile files that could not be written
    std::size_t NotReached = 0;             // names left when the copy was stopped
};
// Copies to every user of the list through `copy` (the main window's
// CopyProperty, given the file name with ".ini"). A long list may be
// watched and stopped: `keepGoing` is asked before each name, with the
// names done so far and their number; false stops the copy there.
using CopyToProfile = std::function<CopyResult(const std::string& fileName)>;
using CopyProgress = std::function<bool(std::size_t done, std::size_t total)>;
CopyReport CopyToUsers(const std::string& usersText, const CopyToProfile& copy,
                       const CopyProgress& keepGoing = nullptr);
// The status text after copying: the plain message when all went well,
// otherwise also the names skipped and the files not written (a few named,
// the rest counted) and how many a stop left out.
std::string CopyStatusText(const CopyReport& report);

struct DeleteReport {
    std::size_t Deleted = 0;
    std::vector<std::string> NotDeleted;
};
// Deletes the selected entries' files in the "Profiles" folder. Entries that
// are not plain file names are left alone; a file still there afterwards is
// reported.
DeleteReport DeleteUserProfiles(const std::string& appFolder, const std::vector<std::string>& entries,
                                const std::vector<bool>& selected);
std::string DeleteStatusText(const DeleteReport& report);

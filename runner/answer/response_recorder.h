// Stores the user's answer: through Tsr.dll's SaveDoc when the library lies
// beside the program, otherwise in the user's record file.
#pragma once

#include <string>

#include "shared/settings_store.h"

// The parts of the system a record is made from and stored in.
class ResponseSystem {
public:
    virtual ~ResponseSystem() = default;
    // Short date, a space, long time, in the user's regional settings.
    virtual std::string GeneralDateNow() = 0;
    // 1 the hardware address, 2 the IP address.
    virtual std::string AdapterAddress(int kind) = 0;
    // The document's body text, its location, or the not-found note.
    virtual std::string DocumentDetails() = 0;
    virtual bool LibraryPresent() = 0;
    // False when the library cannot be loaded or has no SaveDoc.
    virtual bool LibrarySaveDoc(const std::string& recordText) = 0;
    // Replaces the file as a whole, or leaves the old one untouched.
    virtual bool ReplaceFile(const std::string& path, const std::string& content) = 0;
};

struct ResponseRequest {
    bool ScreenSaverMode = false;
    std::string ProfileUser;
    bool BoxTicked = false;
    std::string CheckCaption;  // as shown, after the user-name substitution
    std::string Response;      // caption of the pressed button
    // Where the record waits when the record folder cannot take it.
    std::string PendingFolder;
};

enum class RecordOutcome {
    NotRecorded,  // screen-saver mode, no profile user, or a name that names no file
    Library,      // handed to SaveDoc
    File,         // record file replaced
    Pending,      // the record folder refused it: kept in the pending folder
    FileFailed,   // neither could be written; the old record stands
};

// What a record was made from, for the database row of the same answer.
struct RecordFacts {
    bool Made = false;  // false when no record was made (screen-saver mode, no profile user)
    std::string DateTime;
    std::string IpAddress;        // empty unless "Save Machine ID" asked for it
    std::string HardwareAddress;  // likewise
};

// The folder of the record files: "TsrPath", else the program's folder.
std::string RecordFolder(const SettingsStore& settings, const std::string& appFolder);

RecordOutcome RecordResponse(const ResponseRequest& request, const SettingsStore& settings,
                             const std::string& appFolder, ResponseSystem& system, RecordFacts* facts = nullptr);

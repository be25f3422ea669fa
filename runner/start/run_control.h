// Start-up state of the declaration program: which settings apply, who the
// profile user is, and whether the declaration is due today.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "shared/calendar.h"
#include "shared/settings_store.h"

class RunControl {
public:
    RunControl(std::string commandLine, std::string appFolder, const Calendar& calendar,
               std::function<std::string()> logonUserName);

    // Steps 1-4 of start-up: main settings, then the screen-saver file over
    // them, or the profile merged into them. The profile user is worked out
    // once, after every file that can change it.
    void LoadSettings();

    bool IsScreenSaverMode() const;
    // The "-U" name, else the logon user when "Single User Logon" is no,
    // else empty; as worked out by LoadSettings (before it: from the
    // settings as they are).
    std::string ProfileUserName() const;
    // The profile file, or empty when there is no profile user or the name
    // cannot name a file ("..\x", "a/b", "com1"): nothing is then read or
    // written for that user.
    std::string ProfileFilePath() const;
    std::string MainSettingsPath() const;
    std::string ScreenSaverSettingsPath() const;

    // With "Reaccept On Change", a declaration the period does not call for
    // is still due when today's document is not the one last accepted. The
    // fingerprint of today's document (empty when it cannot be read) is
    // asked for only then, since it reads the whole file.
    void SetDocumentFingerprint(std::function<std::string()> fingerprint) { fingerprint_ = std::move(fingerprint); }
    bool IsDeclarationDue();
    // On acceptance, with "Reaccept On Change": keeps the fingerprint of the
    // document file accepted in UserSettings (UpdateLastRun then writes it).
    void RecordAcceptedDocument(const std::string& documentPath);
    void UpdateLastRun();
    // Writes UserSettings to the profile file when a profile user is known
    // and that user's profile was loaded (so a write never replaces a
    // profile with a store that did not come from it); a missing profiles
    // folder is created first.
    bool SaveProfileSettings();

    SettingsStore Settings;
    SettingsStore UserSettings;
    std::string SettingsFilePath;

    const std::string& AppFolder() const { return appFolder_; }
    const std::string& CommandLine() const { return commandLine_; }
    const Calendar& Clock() const { return calendar_; }

private:
    std::string UserFromSettings() const;
    bool MayWriteProfile() const;

    std::string commandLine_;
    std::string appFolder_;
    const Calendar& calendar_;
    std::function<std::string()> logonUserName_;
    std::function<std::string()> fingerprint_;
    bool settingsLoaded_ = false;
    std::string profileUser_;     // as worked out by LoadSettings
    bool profileLoaded_ = false;  // UserSettings came from profileUser_'s file
};

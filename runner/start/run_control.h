// Start-up state of the declaration program: which settings apply, who the
// profile user is, and whether the declaration is due today.
#pragma once

#include <functional>
#include <string>

#include "shared/calendar.h"
#include "shared/settings_store.h"

class RunControl {
public:
    RunControl(std::string commandLine, std::string appFolder, const Calendar& calendar,
               std::function<std::string()> logonUserName);

    // Steps 1-4 of start-up: main settings, then the screen-saver file over
    // them, or the profile merged into them.
    void LoadSettings();

    bool IsScreenSaverMode() const;
    // Computed afresh on each call: the "-U" name, else the logon user when
    // "Single User Logon" is no, else empty.
    std::string ProfileUserName() const;
    std::string ProfileFilePath() const;
    std::string MainSettingsPath() const;
    std::string ScreenSaverSettingsPath() const;

    bool IsDeclarationDue();
    void UpdateLastRun();
    // Writes UserSettings to the profile file when a profile user is known;
    // a missing profiles folder is created first.
    bool SaveProfileSettings();

    SettingsStore Settings;
    SettingsStore UserSettings;
    std::string SettingsFilePath;

    const std::string& AppFolder() const { return appFolder_; }
    const std::string& CommandLine() const { return commandLine_; }
    const Calendar& Clock() const { return calendar_; }

private:
    bool PeriodDaysDue(const std::string& period);

    std::string commandLine_;
    std::string appFolder_;
    const Calendar& calendar_;
    std::function<std::string()> logonUserName_;
};

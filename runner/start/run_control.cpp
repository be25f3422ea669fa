#include "runner/start/run_control.h"

#include <utility>

#include "runner/start/command_line.h"
#include "shared/file_routines.h"
#include "shared/run_decision.h"
#include "shared/sha256.h"
#include "shared/text_routines.h"

RunControl::RunControl(std::string commandLine, std::string appFolder, const Calendar& calendar,
                       std::function<std::string()> logonUserName)
    : commandLine_(std::move(commandLine)),
      appFolder_(std::move(appFolder)),
      calendar_(calendar),
      logonUserName_(std::move(logonUserName)) {}

std::string RunControl::MainSettingsPath() const { return JoinPath(appFolder_, "Tessarin.ini"); }

std::string RunControl::ScreenSaverSettingsPath() const { return JoinPath(appFolder_, AddIniExtension("ScreenSaver")); }

void RunControl::LoadSettings() {
    Settings.Clear();
    UserSettings.Clear();
    settingsLoaded_ = false;
    profileLoaded_ = false;
    SettingsFilePath = MainSettingsPath();
    LoadSettingsFile(SettingsFilePath, Settings);
    // "ScreenSaver.ini" may set "Single User Logon": it is read before the
    // user is worked out, or the profile of the wrong user (or none) is
    // loaded and a later save empties the right one.
    if (IsScreenSaverMode()) {
        SettingsFilePath = ScreenSaverSettingsPath();
        LoadSettingsFile(SettingsFilePath, Settings);
    }
    profileUser_ = UserFromSettings();
    settingsLoaded_ = true;

    const std::string profile = ProfileFilePath();
    if (profile.empty()) return;
    profileLoaded_ = true;
    if (IsScreenSaverMode()) {
        // The screen saver's own settings stay in force, but a later save of
        // the profile must keep what the profile file already holds.
        LoadSettingsFile(profile, UserSettings);
    } else {
        SettingsFilePath = profile;
        LoadSettingsFile(SettingsFilePath, UserSettings);
        MergeSettingsFile(SettingsFilePath, Settings);
    }
}

bool RunControl::IsScreenSaverMode() const { return HasScreenSaverMarker(commandLine_); }

std::string RunControl::ProfileUserName() const { return settingsLoaded_ ? profileUser_ : UserFromSettings(); }

std::string RunControl::UserFromSettings() const {
    const std::string named = CommandLineUserName(commandLine_);
    if (!named.empty()) return named;
    if (!IsYes(GetSettingItem("Single User Logon", Settings)) && logonUserName_) {
        return logonUserName_();
    }
    return std::string();
}

std::string RunControl::ProfileFilePath() const {
    const std::string user = ProfileUserName();
    if (!IsPlainFileName(user) || !IsPlainFileName(AddIniExtension(user))) return std::string();
    return JoinPath(JoinPath(appFolder_, "Profiles"), AddIniExtension(user));
}

bool RunControl::MayWriteProfile() const { return profileLoaded_ && !ProfileFilePath().empty(); }

bool RunControl::IsDeclarationDue() {
    // The screen saver keeps the profile only to preserve it on save; its
    // "Last Run" does not take part in the decision.
    const std::string period = GetSettingItem(kPeriodDaysKey, Settings);
    const std::string lastRun = IsScreenSaverMode() ? std::string() : GetSettingValue(kLastRunKey, UserSettings);
    const RunDecision decision = DecideDeclarationDue(period, !ProfileUserName().empty(), lastRun, calendar_);
    if (decision.RecordLastRun) UpdateLastRun();
    if (decision.Due) return true;
    // The screen saver leaves the profile out of its decision, so too the
    // document last accepted.
    if (IsScreenSaverMode() || ProfileUserName().empty()) return false;
    return AcceptedDocumentChanged(period, IsOptedIn(kReacceptKey, Settings),
                                   GetSettingValue(kAcceptedDocumentKey, UserSettings), fingerprint_);
}

void RunControl::RecordAcceptedDocument(const std::string& documentPath) {
    if (!IsOptedIn(kReacceptKey, Settings)) return;
    const std::string fingerprint = FileSha256Hex(documentPath);
    if (!fingerprint.empty()) SetSettingByKey(kAcceptedDocumentKey, fingerprint, UserSettings);
}

void RunControl::UpdateLastRun() {
    if (!MayWriteProfile()) return;
    double period = 0;
    const bool once = ReadsAsNumber(GetSettingItem(kPeriodDaysKey, Settings), &period) && period == -1;
    const CivilDate today = calendar_.Today();
    const CivilDate lastRun = once ? AddYears(today, 99) : today;
    // The date must reach the file, or the declaration comes back at the
    // next logon: a profiles folder nobody has created yet is made here.
    CreateFolder(FolderOf(ProfileFilePath()));
    SaveSettingByKey(kLastRunKey, FormatShortDate(lastRun, calendar_), UserSettings, ProfileFilePath());
}

bool RunControl::SaveProfileSettings() {
    if (!MayWriteProfile()) return false;
    CreateFolder(FolderOf(ProfileFilePath()));
    return SaveSettingsFile(UserSettings, ProfileFilePath());
}

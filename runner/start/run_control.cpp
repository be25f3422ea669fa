#include "runner/start/run_control.h"

#include <utility>

#include "runner/start/command_line.h"
#include "shared/file_routines.h"
#include "shared/sha256.h"
#include "shared/text_routines.h"

namespace {

const char kPeriodKey[] = "Declaration Period Days";
const char kLastRunKey[] = "Last Run";
const char kReacceptKey[] = "Reaccept On Change";
const char kAcceptedDocumentKey[] = "Accepted Document";

std::vector<std::string> SplitAtDash(const std::string& text) {
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    for (;;) {
        const auto dash = text.find('-', start);
        pieces.push_back(text.substr(start, dash - start));
        if (dash == std::string::npos) break;
        start = dash + 1;
    }
    return pieces;
}

}  // namespace

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
    const std::string period = ToLower(GetSettingItem(kPeriodKey, Settings));
    if (PeriodSaysDue(period)) return true;
    double days = 0;
    const bool never = ReadsAsNumber(period, &days) && (days == -2 || days == -3);
    return !never && AcceptedDocumentChanged();
}

// The screen saver leaves the profile's dates out of its decision; so too
// the document last accepted.
bool RunControl::AcceptedDocumentChanged() {
    if (!fingerprint_ || IsScreenSaverMode() || ProfileUserName().empty()) return false;
    if (!IsOptedIn(kReacceptKey, Settings)) return false;
    const std::string today = fingerprint_();
    // A document that cannot be read is no new version to accept.
    if (today.empty()) return false;
    return !EqualsNoCase(Trim(GetSettingValue(kAcceptedDocumentKey, UserSettings)), today);
}

bool RunControl::PeriodSaysDue(const std::string& period) {
    const CivilDate today = calendar_.Today();

    std::string weekday = period;
    if (IsWeekdayName(weekday, calendar_)) {
        const std::string todayName = ToLower(calendar_.DayName(WeekdayOf(today), false));
        return period == todayName || period == todayName.substr(0, 3);
    }

    if (const auto date = ReadDate(period, calendar_)) {
        return DaysBetween(*date, today) == 0;
    }

    if (period.find('-') != std::string::npos && !ReadsAsNumber(period)) {
        const auto pieces = SplitAtDash(period);
        const auto first = ReadDate(pieces[0], calendar_);
        const auto second = ReadDate(pieces.size() > 1 ? pieces[1] : std::string(), calendar_);
        return first && second && DaysBetween(*first, today) >= 0 && DaysBetween(*second, today) <= 0;
    }

    return PeriodDaysDue(period);
}

bool RunControl::PeriodDaysDue(const std::string& period) {
    const CivilDate today = calendar_.Today();
    double days = 0;
    const bool isNumber = ReadsAsNumber(period, &days);

    CivilDate lastRun = today;
    if (!ProfileUserName().empty()) {
        // The screen saver keeps the profile only to preserve it on save;
        // its "Last Run" does not take part in the decision.
        const std::string stored_text =
            IsScreenSaverMode() ? std::string() : GetSettingValue(kLastRunKey, UserSettings);
        const auto stored = ReadDate(stored_text, calendar_);
        if (stored) {
            lastRun = *stored;
        } else if (isNumber && days > 0) {
            return true;  // first run of this user
        }
    }
    if (!isNumber) days = 0;

    const long sinceLastRun = DaysBetween(lastRun, today);
    if (days == -1) return sinceLastRun >= 0;
    if (days == -2) return false;
    if (days == -3) {
        UpdateLastRun();
        return false;
    }
    if (days == -4) return true;
    return days <= sinceLastRun;
}

void RunControl::RecordAcceptedDocument(const std::string& documentPath) {
    if (!IsOptedIn(kReacceptKey, Settings)) return;
    const std::string fingerprint = FileSha256Hex(documentPath);
    if (!fingerprint.empty()) SetSettingByKey(kAcceptedDocumentKey, fingerprint, UserSettings);
}

void RunControl::UpdateLastRun() {
    if (!MayWriteProfile()) return;
    double period = 0;
    const bool once = ReadsAsNumber(GetSettingItem(kPeriodKey, Settings), &period) && period == -1;
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

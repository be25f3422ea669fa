#include "admin/compliance/compliance_sources.h"

#include <memory>

#include "admin/profiles/user_profiles.h"
#include "admin/records/log_files.h"
#include "admin/settings/settings_table.h"
#include "shared/file_routines.h"
#include "shared/run_decision.h"
#include "shared/text_routines.h"

namespace {

// A record's first lines are all the view reads; a huge file costs no more.
constexpr std::size_t kRecordStartBytes = 64 * 1024;

std::string WithoutIni(const std::string& name) {
    const std::string lower = ToLower(name);
    return lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".ini") == 0 ? name.substr(0, name.size() - 4) : name;
}

// A button's caption as the declaration window takes it: the whole value.
std::string CaptionOf(const char* key, const char* designText, const SettingsStore& settings) {
    const std::string value = Trim(GetSettingValue(key, settings));
    return value.empty() ? designText : value;
}

}  // namespace

std::vector<std::string> AnswerCaptions(const SettingsStore& settings) {
    return {CaptionOf("Button1 Caption", "Accept", settings), CaptionOf("Button2 Caption", "Decline", settings),
            "Accept", "Decline"};
}

std::vector<LatestAnswer> AnswersFromRecordFiles(const std::string& logFolder, const std::vector<std::string>& captions,
                                                 std::vector<std::string>* unreadUsers) {
    std::vector<LatestAnswer> answers;
    for (const std::string& name : LogFileNames(logFolder)) {
        const std::string user = name.substr(0, name.find(kLogMarker));
        std::string text;
        LatestAnswer answer;
        if (ReadFileStart(JoinPath(logFolder, name), kRecordStartBytes, &text) &&
            ParseRecordFirstLine(text, captions, &answer)) {
            answer.User = user;
            answers.push_back(std::move(answer));
        } else if (unreadUsers) {
            unreadUsers->push_back(user);
        }
    }
    return answers;
}

std::vector<std::string> ProfileUsers(const std::string& appFolder) {
    std::vector<std::string> users;
    for (const std::string& name : ListProfiles(appFolder)) users.push_back(WithoutIni(name));
    return users;
}

std::vector<std::string> ListedUsers(const std::string& appFolder) {
    const std::string path = JoinPath(appFolder, kUsersListFileName);
    if (!FileExists(path)) return {};
    return UserNamesFromText(ImportUsersText(path));
}

UserSettingsSource::UserSettingsSource(const SettingsStore& mainSettings, std::string appFolder,
                                       Fingerprint todaysFingerprint)
    : main_(mainSettings), appFolder_(std::move(appFolder)), todaysFingerprint_(std::move(todaysFingerprint)) {
    for (const std::string& name : ListProfiles(appFolder_)) profiles_[ToLower(name)] = name;
}

UserDecisionSettings UserSettingsSource::For(const std::string& user) const {
    const std::string fileName = AddIniExtension(user);
    const auto profile = IsPlainFileName(fileName) ? profiles_.find(ToLower(fileName)) : profiles_.end();
    const bool hasProfile = profile != profiles_.end();
    UserDecisionSettings settings;
    if (!hasProfile) {
        settings.PeriodItem = GetSettingItem(kPeriodDaysKey, main_);
        settings.AcceptCaption = CaptionOf("Button1 Caption", "Accept", main_);
        AddReaccept(main_, nullptr, &settings);
        return settings;
    }
    // The file as the folder names it: user names are compared without case.
    const std::string path = JoinPath(ProfilesFolder(appFolder_), profile->second);
    SettingsStore merged = main_;
    SettingsStore profileSettings;
    MergeSettingsFile(path, merged);
    LoadSettingsFile(path, profileSettings);
    settings.PeriodItem = GetSettingItem(kPeriodDaysKey, merged);
    settings.LastRun = GetSettingValue(kLastRunKey, profileSettings);
    settings.AcceptCaption = CaptionOf("Button1 Caption", "Accept", merged);
    AddReaccept(merged, &profileSettings, &settings);
    return settings;
}

void UserSettingsSource::AddReaccept(const SettingsStore& merged, const SettingsStore* profile,
                                     UserDecisionSettings* settings) const {
    settings->Reaccept = IsOptedIn(kReacceptKey, merged);
    if (!settings->Reaccept || !todaysFingerprint_) return;
    if (profile) settings->AcceptedDocument = GetSettingValue(kAcceptedDocumentKey, *profile);
    // The user's own settings may name another document: kept for the question.
    auto userSettings = std::make_shared<SettingsStore>(merged);
    const Fingerprint& fingerprint = todaysFingerprint_;
    settings->TodaysFingerprint = [userSettings, &fingerprint] { return fingerprint(*userSettings); };
}

std::string LatestAnswersSql() {
    return "SELECT a.user_name, a.answer, a.local_time, a.machine, a.document_path, a.utc_time "
           "FROM tsr_answers a JOIN (SELECT user_name, MAX(utc_time) AS last_time FROM tsr_answers "
           "GROUP BY user_name) m ON a.user_name = m.user_name AND a.utc_time = m.last_time";
}

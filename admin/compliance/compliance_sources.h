// Where the compliance view finds its users and their settings: the record
// files of the log folder (without a database), the "Profiles" folder, the
// optional "Users.txt" list of the application folder, and each user's
// settings as the declaration program would load them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "admin/compliance/compliance_rows.h"
#include "shared/settings_store.h"

// One user name a line, as the profiles window reads a users list.
constexpr char kUsersListFileName[] = "Users.txt";

// The accept and decline captions a record may end with: the settings'
// "Button1 Caption" and "Button2 Caption", then the design texts.
std::vector<std::string> AnswerCaptions(const SettingsStore& settings);

// The latest answer of each record file ("<user>_Declaration") in the folder.
// A file whose first line cannot be read still names its user (no answer
// then): it is listed, not lost.
std::vector<LatestAnswer> AnswersFromRecordFiles(const std::string& logFolder, const std::vector<std::string>& captions,
                                                 std::vector<std::string>* unreadUsers);

// The users of the profile files (their names without ".ini").
std::vector<std::string> ProfileUsers(const std::string& appFolder);
// The users of "Users.txt" in the application folder; none without it.
std::vector<std::string> ListedUsers(const std::string& appFolder);

// Each user's decision settings: the main settings merged with the user's
// profile, and the profile's "Last Run". The profiles folder is listed once.
class UserSettingsSource {
public:
    // todaysFingerprint: today's document's fingerprint for a user's merged
    // settings (asked only for users with "Reaccept On Change").
    using Fingerprint = std::function<std::string(const SettingsStore& userSettings)>;
    UserSettingsSource(const SettingsStore& mainSettings, std::string appFolder, Fingerprint todaysFingerprint = {});
    UserDecisionSettings For(const std::string& user) const;

private:
    void AddReaccept(const SettingsStore& merged, const SettingsStore* profile, UserDecisionSettings* settings) const;

    const SettingsStore& main_;
    std::string appFolder_;
    Fingerprint todaysFingerprint_;
    std::map<std::string, std::string> profiles_;  // file names by their lower-cased form
};

// Each user's latest row of the answers table (a user with two rows at the
// same time may come twice: BuildComplianceRows keeps one). Columns: user,
// answer, local time, machine, document path, UTC time. No value is pasted
// into it.
std::string LatestAnswersSql();

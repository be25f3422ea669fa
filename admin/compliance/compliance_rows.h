// The compliance view's rows: one per user, with the user's last answer and
// a status decided the way the declaration program decides its start.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shared/calendar.h"

// A user's latest answer, from the answers table or a record file.
struct LatestAnswer {
    std::string User;
    std::string Answer;
    std::string Date;  // the record's own date and time text
    std::string Machine;
    std::string Document;
    std::string UtcTime;  // "yyyy-mm-dd hh:mm:ss" (database rows only): the later one wins
};

// The first line of a record file: "<date time>,[ machine segment, ]<reader>
// <answer>", with the document details on the lines after it. The answer is
// the first of `captions` the line ends with (after a space), else its last
// word; the machine is the IP/MAC segment when the record holds one; the
// document is the second line. False when the first line holds no comma.
bool ParseRecordFirstLine(const std::string& text, const std::vector<std::string>& captions, LatestAnswer* answer);

enum class ComplianceStatus { Current, DueAgain, Declined, NeverAnswered };
constexpr int kComplianceStatusCount = 4;
// "Current", "Due again", "Declined", "Never answered".
const char* ComplianceStatusText(ComplianceStatus status);

// What decides one user's status: the user's settings as the declaration
// program would load them (the main settings merged with the profile).
struct UserDecisionSettings {
    std::string PeriodItem;     // "Declaration Period Days"
    std::string LastRun;        // the profile's "Last Run"
    std::string AcceptCaption;  // "Button1 Caption", "Accept" when missing
    // "Reaccept On Change": the profile's "Accepted Document", and today's
    // document's fingerprint, asked only when the period alone says current.
    bool Reaccept = false;
    std::string AcceptedDocument;
    std::function<std::string()> TodaysFingerprint;
};

// No answer: never answered. An answer other than the accept caption (any
// case, blanks trimmed): declined. An acceptance: due again when the
// declaration would be shown to the user today, else current.
ComplianceStatus DecideComplianceStatus(const LatestAnswer* answer, const UserDecisionSettings& settings,
                                        const Calendar& calendar);

struct ComplianceRow {
    LatestAnswer Last;  // User always set; the rest empty when never answered
    ComplianceStatus Status = ComplianceStatus::NeverAnswered;
};

// One row per user, users compared without regard to case: every user with
// an answer (the latest one when a user has several) and every other named
// user, ordered by name (case ignored).
std::vector<ComplianceRow> BuildComplianceRows(
    const std::vector<LatestAnswer>& answers, const std::vector<std::string>& otherUsers,
    const std::function<UserDecisionSettings(const std::string& user)>& settingsOf, const Calendar& calendar);

// The filter's choices: index 0 is every status, then the statuses in order.
std::vector<std::string> ComplianceFilterChoices();
bool PassesFilter(const ComplianceRow& row, int filterIndex);

// The view's columns, and a row's cells in that order.
const std::vector<std::string>& ComplianceHeaders();
std::vector<std::string> ComplianceCells(const ComplianceRow& row);

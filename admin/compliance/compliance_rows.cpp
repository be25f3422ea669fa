#include "admin/compliance/compliance_rows.h"

#include <algorithm>
#include <map>

#include "shared/run_decision.h"
#include "shared/text_routines.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The IP/MAC segment written after the date when "Save Machine ID" asks.
bool IsMachineSegment(const std::string& text) {
    const std::string start = TrimBlanks(text);
    return start.compare(0, 3, "IP:") == 0 || start.compare(0, 4, "MAC:") == 0;
}

}  // namespace

bool ParseRecordFirstLine(const std::string& text, const std::vector<std::string>& captions, LatestAnswer* answer) {
    const std::size_t lineEnd = text.find_first_of("\r\n");
    const std::string line = text.substr(0, lineEnd);
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos) return false;
    answer->Date = TrimBlanks(line.substr(0, comma));
    std::string rest = line.substr(comma + 1);
    answer->Machine.clear();
    const std::size_t segmentEnd = rest.find(", ");
    if (IsMachineSegment(rest) && segmentEnd != std::string::npos) {
        answer->Machine = TrimBlanks(rest.substr(0, segmentEnd));
        rest = rest.substr(segmentEnd + 2);
    } else if (!rest.empty() && rest[0] == ' ') {
        rest = rest.substr(1);
    }
    answer->Answer.clear();
    for (const std::string& caption : captions) {
        if (!caption.empty() && (rest == caption || EndsWith(rest, " " + caption))) {
            answer->Answer = caption;
            break;
        }
    }
    if (answer->Answer.empty()) {
        const std::size_t space = rest.find_last_of(' ');
        answer->Answer = space == std::string::npos ? rest : rest.substr(space + 1);
    }
    answer->Document.clear();
    if (lineEnd != std::string::npos) {
        std::size_t start = lineEnd + (text.compare(lineEnd, 2, "\r\n") == 0 ? 2 : 1);
        answer->Document = TrimBlanks(text.substr(start, text.find_first_of("\r\n", start) - start));
    }
    return true;
}

const char* ComplianceStatusText(ComplianceStatus status) {
    switch (status) {
    case ComplianceStatus::Current: return "Current";
    case ComplianceStatus::DueAgain: return "Due again";
    case ComplianceStatus::Declined: return "Declined";
    case ComplianceStatus::NeverAnswered: break;
    }
    return "Never answered";
}

ComplianceStatus DecideComplianceStatus(const LatestAnswer* answer, const UserDecisionSettings& settings,
                                        const Calendar& calendar) {
    if (!answer) return ComplianceStatus::NeverAnswered;
    const std::string accept = settings.AcceptCaption.empty() ? "Accept" : settings.AcceptCaption;
    if (ToLower(TrimBlanks(answer->Answer)) != ToLower(TrimBlanks(accept))) return ComplianceStatus::Declined;
    // The console knows the user: a profile user, as with "-U" at start.
    const RunDecision decision = DecideDeclarationDue(settings.PeriodItem, true, settings.LastRun, calendar);
    const bool due = decision.Due || AcceptedDocumentChanged(settings.PeriodItem, settings.Reaccept,
                                                             settings.AcceptedDocument, settings.TodaysFingerprint);
    return due ? ComplianceStatus::DueAgain : ComplianceStatus::Current;
}

std::vector<ComplianceRow> BuildComplianceRows(
    const std::vector<LatestAnswer>& answers, const std::vector<std::string>& otherUsers,
    const std::function<UserDecisionSettings(const std::string& user)>& settingsOf, const Calendar& calendar) {
    struct Entry {
        const LatestAnswer* Answer = nullptr;
        std::string User;
    };
    std::map<std::string, Entry> byUser;  // by the lower-cased name
    for (const LatestAnswer& answer : answers) {
        if (TrimBlanks(answer.User).empty()) continue;
        Entry& entry = byUser[ToLower(answer.User)];
        if (!entry.Answer || entry.Answer->UtcTime < answer.UtcTime) entry = Entry{&answer, answer.User};
    }
    for (const std::string& user : otherUsers) {
        if (TrimBlanks(user).empty()) continue;
        Entry& entry = byUser[ToLower(user)];
        if (entry.User.empty()) entry.User = user;
    }
    std::vector<ComplianceRow> rows;
    rows.reserve(byUser.size());
    for (const auto& item : byUser) {
        ComplianceRow row;
        if (item.second.Answer) row.Last = *item.second.Answer;
        row.Last.User = item.second.User;
        row.Status = DecideComplianceStatus(item.second.Answer, settingsOf(row.Last.User), calendar);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> ComplianceFilterChoices() {
    std::vector<std::string> choices{"All users"};
    for (int i = 0; i < kComplianceStatusCount; ++i)
        choices.push_back(ComplianceStatusText(static_cast<ComplianceStatus>(i)));
    return choices;
}

bool PassesFilter(const ComplianceRow& row, int filterIndex) {
    return filterIndex <= 0 || static_cast<int>(row.Status) == filterIndex - 1;
}

const std::vector<std::string>& ComplianceHeaders() {
    static const std::vector<std::string> headers{"User", "Last Answer", "Date", "Machine", "Document", "Status"};
    return headers;
}

std::vector<std::string> ComplianceCells(const ComplianceRow& row) {
    return {row.Last.User,    row.Last.Answer,   row.Last.Date,
            row.Last.Machine, row.Last.Document, ComplianceStatusText(row.Status)};
}

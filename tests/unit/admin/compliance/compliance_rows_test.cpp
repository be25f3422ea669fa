#include "admin/compliance/compliance_rows.h"

#include <gtest/gtest.h>

#include "admin/compliance/compliance_sources.h"
#include "support/fixed_calendar.h"
#include "shared/file_routines.h"
#include "support/temp_folder.h"

namespace {

const std::vector<std::string> kCaptions{"I agree", "Accept", "Decline"};

TEST(RecordFirstLine, DateMachineAnswerAndDocument) {
    struct Case {
        const char* Text;
        const char* Date;
        const char* Machine;
        const char* Answer;
        const char* Document;
    };
    const Case cases[] = {
        {"3/1/2025 9:00:00 AM, anna Accept\r\nC:\\Docs\\d.htm\r\n", "3/1/2025 9:00:00 AM", "", "Accept",
         "C:\\Docs\\d.htm"},
        {"3/1/2025 9:00:00 AM, IP:10.1.2.3, I  have read this document Decline\r\n", "3/1/2025 9:00:00 AM",
         "IP:10.1.2.3", "Decline", ""},
        {"3/1/2025 9:00:00 AM,MAC:00-1B-2C-3D-4E-5F, bo I agree\r\nbody\r\n", "3/1/2025 9:00:00 AM",
         "MAC:00-1B-2C-3D-4E-5F", "I agree", "body"},
        {"3/1/2025 9:00:00 AM,IP:10.1.2.3  MAC:00-1B, carl Accept", "3/1/2025 9:00:00 AM", "IP:10.1.2.3  MAC:00-1B",
         "Accept", ""},
        // An answer no caption names: its last word.
        {"3/1/2025 9:00:00 AM, dora Sure\nx\n", "3/1/2025 9:00:00 AM", "", "Sure", "x"},
    };
    for (const Case& c : cases) {
        LatestAnswer answer;
        ASSERT_TRUE(ParseRecordFirstLine(c.Text, kCaptions, &answer)) << c.Text;
        EXPECT_EQ(c.Date, answer.Date) << c.Text;
        EXPECT_EQ(c.Machine, answer.Machine) << c.Text;
        EXPECT_EQ(c.Answer, answer.Answer) << c.Text;
        EXPECT_EQ(c.Document, answer.Document) << c.Text;
    }
    LatestAnswer answer;
    EXPECT_FALSE(ParseRecordFirstLine("no comma here\r\n", kCaptions, &answer));
    EXPECT_FALSE(ParseRecordFirstLine("", kCaptions, &answer));
}

TEST(ComplianceStatus, FourStatusesByTheRunDecision) {
    FixedCalendar calendar;  // Monday 3/3/2025
    struct Case {
        const char* Answer;  // nullptr: never answered
        const char* Period;
        const char* LastRun;
        const char* AcceptCaption;
        ComplianceStatus Expected;
    };
    const Case cases[] = {
        {nullptr, "7", "3/1/2025", "", ComplianceStatus::NeverAnswered},
        {"Decline", "7", "3/1/2025", "", ComplianceStatus::Declined},
        {"Accept", "7", "2/26/2025", "", ComplianceStatus::Current},   // six days ago
        {"Accept", "7", "2/24/2025", "", ComplianceStatus::DueAgain},  // seven days ago
        {"accept ", "7", "2/26/2025", "", ComplianceStatus::Current},  // any case, blanks trimmed
        {"Accept", "7", "", "", ComplianceStatus::DueAgain},           // no "Last Run": first run
        {"Accept", "-2", "", "", ComplianceStatus::Current},           // never shown
        {"Accept", "0", "3/3/2025", "", ComplianceStatus::DueAgain},   // shown at every start
        {"Accept", "monday", "3/3/2025", "", ComplianceStatus::DueAgain},
        {"Accept", "7", "2/26/2025", "I agree", ComplianceStatus::Declined},
        {"I agree", "7", "2/26/2025", "I agree", ComplianceStatus::Current},
    };
    for (const Case& c : cases) {
        LatestAnswer answer;
        if (c.Answer) answer.Answer = c.Answer;
        const UserDecisionSettings settings{c.Period, c.LastRun, c.AcceptCaption};
        EXPECT_EQ(c.Expected, DecideComplianceStatus(c.Answer ? &answer : nullptr, settings, calendar))
            << (c.Answer ? c.Answer : "(none)") << " " << c.Period << " " << c.LastRun;
    }
}

TEST(ComplianceStatus, ChangedDocumentIsDueAgainWithReaccept) {
    FixedCalendar calendar;
    struct Case {
        bool Reaccept;
        const char* Period;
        const char* Accepted;
        const char* Today;  // today's document's fingerprint
        ComplianceStatus Expected;
        int Reads;  // how often the document was asked for
    } const cases[] = {
        {true, "7", "aa", "aa", ComplianceStatus::Current, 1},  {true, "7", "aa", "bb", ComplianceStatus::DueAgain, 1},
        {true, "7", "", "bb", ComplianceStatus::DueAgain, 1},   {true, "7", "aa", "", ComplianceStatus::Current, 1},
        {true, "-2", "aa", "bb", ComplianceStatus::Current, 0}, {false, "7", "aa", "bb", ComplianceStatus::Current, 0},
        {true, "0", "aa", "aa", ComplianceStatus::DueAgain, 0},  // due by the period alone: nothing read
    };
    for (const Case& c : cases) {
        int reads = 0;
        UserDecisionSettings settings{c.Period, "2/26/2025", ""};
        settings.Reaccept = c.Reaccept;
        settings.AcceptedDocument = c.Accepted;
        settings.TodaysFingerprint = [&] {
            ++reads;
            return std::string(c.Today);
        };
        LatestAnswer answer;
        answer.Answer = "Accept";
        EXPECT_EQ(c.Expected, DecideComplianceStatus(&answer, settings, calendar)) << c.Period << " " << c.Today;
        EXPECT_EQ(c.Reads, reads) << c.Period << " " << c.Today;
    }
}

TEST(ComplianceRows, UsersMergedFromEverySourceOncePerName) {
    FixedCalendar calendar;
    std::vector<LatestAnswer> answers(3);
    answers[0] = {"Anna", "Accept", "old", "pc1", "", "2025-01-01 10:00:00"};
    answers[1] = {"anna", "Decline", "new", "pc2", "", "2025-02-01 10:00:00"};
    answers[2] = {"bob", "Accept", "d", "pc3", "", "2025-02-01 10:00:00"};
    const std::vector<std::string> others{"carl", "BOB", "", "  ", "ANNA", "dora"};
    std::vector<std::string> asked;
    const auto rows = BuildComplianceRows(
        answers, others,
        [&asked](const std::string& user) {
            asked.push_back(user);
            return UserDecisionSettings{"-2", "", ""};
        },
        calendar);
    ASSERT_EQ(4u, rows.size());
    const char* users[] = {"anna", "bob", "carl", "dora"};
    const ComplianceStatus statuses[] = {ComplianceStatus::Declined, ComplianceStatus::Current,
                                         ComplianceStatus::NeverAnswered, ComplianceStatus::NeverAnswered};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(users[i], rows[i].Last.User);
        EXPECT_EQ(statuses[i], rows[i].Status) << users[i];
    }
    EXPECT_EQ("pc2", rows[0].Last.Machine);  // the later answer of the two
    EXPECT_EQ(4u, asked.size());
    EXPECT_EQ(ComplianceStatusText(ComplianceStatus::NeverAnswered), ComplianceCells(rows[2]).back());
    // Filter 0 passes all; filter k passes status k-1 only.
    EXPECT_TRUE(PassesFilter(rows[2], 0));
    EXPECT_TRUE(PassesFilter(rows[2], 1 + static_cast<int>(ComplianceStatus::NeverAnswered)));
    EXPECT_FALSE(PassesFilter(rows[0], 1 + static_cast<int>(ComplianceStatus::Current)));
}

TEST(ComplianceSources, RecordFilesProfilesAndUsersList) {
    TempFolder app;
    app.Write("anna_Declaration", "3/1/2025 9:00:00 AM, anna Accept\r\ndoc\r\n");
    app.Write("bob_Declaration", "garbage without the separator");
    app.Write("notes.txt", "3/1/2025, x Accept");
    app.MakeFolder("Profiles");
    app.Write("Profiles/carl.ini",
              "Declaration Period Days=-2\r\nLast Run=2/1/2025\r\nReaccept On Change=Yes\r\n"
              "Accepted Document=aa\r\nDeclaration Document=carl.htm\r\n");
    app.Write("Users.txt", "dora\r\n e \r\neve\r\n");
    std::vector<std::string> unread;
    const auto answers = AnswersFromRecordFiles(app.Path(), kCaptions, &unread);
    ASSERT_EQ(1u, answers.size());
    EXPECT_EQ("anna", answers[0].User);
    EXPECT_EQ(std::vector<std::string>{"bob"}, unread);
    EXPECT_EQ(std::vector<std::string>{"carl"}, ProfileUsers(app.Path()));
    EXPECT_EQ((std::vector<std::string>{"dora", "eve"}), ListedUsers(app.Path()));

    SettingsStore main;
    LoadSettingsText("Declaration Period Days=7\r\nButton1 Caption=I agree\r\n", main);
    const UserSettingsSource source(main, app.Path(), [](const SettingsStore& user) {
        return GetSettingValue("Declaration Document", user);  // stands for the document's fingerprint
    });
    const UserDecisionSettings carl = source.For("CARL");
    EXPECT_TRUE(carl.Reaccept);
    EXPECT_EQ("aa", carl.AcceptedDocument);
    ASSERT_TRUE(carl.TodaysFingerprint);
    EXPECT_EQ("carl.htm", carl.TodaysFingerprint());  // the user's own settings decide the document
    EXPECT_EQ("-2", carl.PeriodItem);                 // the profile overrides the main settings
    EXPECT_EQ("2/1/2025", carl.LastRun);
    EXPECT_EQ("I agree", carl.AcceptCaption);
    const UserDecisionSettings dora = source.For("dora");
    EXPECT_EQ("7", dora.PeriodItem);
    EXPECT_EQ("", dora.LastRun);
    EXPECT_FALSE(dora.Reaccept);
    EXPECT_FALSE(dora.TodaysFingerprint);
}

}  // namespace

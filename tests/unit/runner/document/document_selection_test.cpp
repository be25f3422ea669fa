#include <gtest/gtest.h>

#include <map>
#include <set>

#include "runner/document/document_selection.h"
#include "shared/settings_store.h"
#include "support/fixed_calendar.h"

namespace {

const std::string kFolder = "C:\\Tsr";
const std::string kDates = kFolder + "\\Documents\\Document.ini";
const std::string kSaverDates = kFolder + "\\Documents\\ScreenSaverDoc.ini";

class FakeBrowser : public DocumentBrowser {
public:
    std::string Location;
    std::string Body = "Policy text";
    std::vector<std::string> Navigations;
    bool FullScreen = false;
    std::string LocationURL() const override { return Location; }
    void Navigate(const std::string& url) override {
        Navigations.push_back(url);
        Location = url;
    }
    std::string BodyText() const override { return Body; }
    void SetFullScreen(bool on) override { FullScreen = on; }
};

// A program folder in memory: the files that exist and the dates files' texts.
struct Selection {
    SettingsStore Settings;
    FixedCalendar Clock;
    FakeBrowser Browser;
    std::set<std::string> Files;
    std::map<std::string, std::string> DatesTexts;
    std::vector<std::string> History;
    std::vector<bool> HistoryShown;
    int Locks = 0, Unlocks = 0;
    double Draw = 0.0;
    bool ScreenSaver = false;

    std::string Language;  // the user's interface language
    int LanguageAsked = 0;

    DocumentSelectionHooks Hooks() {
        DocumentSelectionHooks hooks;
        hooks.FileExists = [this](const std::string& p) { return Files.count(p) > 0; };
        hooks.LockWindowUpdate = [this](bool on) { (on ? Locks : Unlocks)++; };
        hooks.ShowHistoryButtons = [this](bool on) { HistoryShown.push_back(on); };
        hooks.LoadDatesFile = [this](const std::string& p, SettingsStore& s) {
            auto it = DatesTexts.find(p);
            return it != DatesTexts.end() && LoadSettingsText(it->second, s);
        };
        hooks.UserLanguage = [this] {
            ++LanguageAsked;
            return Language;
        };
        return hooks;
    }
    DocumentSelection Make() {
        DocumentSelectionHooks hooks = Hooks();
        return DocumentSelection(
            Settings, Clock, Browser, hooks, History, [this] { return Draw; }, kFolder, ScreenSaver);
    }
    void Set(const std::string& key, const std::string& value) { SetSettingValue(key, value, Settings); }
};

}  // namespace

TEST(DatesKey, WeekdayNamesFullAndAbbreviated) {
    FixedCalendar clock;  // Monday 3 March 2025, 10:05
    EXPECT_TRUE(DatesKeyMatches("Mon", clock));
    EXPECT_TRUE(DatesKeyMatches("monday", clock));
    EXPECT_TRUE(DatesKeyMatches("MONDAY", clock));
    EXPECT_FALSE(DatesKeyMatches("Mo", clock));
    EXPECT_FALSE(DatesKeyMatches("Tue", clock));
    EXPECT_FALSE(DatesKeyMatches("friday", clock));
    clock.German = true;
    EXPECT_TRUE(DatesKeyMatches("Montag", clock));
    EXPECT_FALSE(DatesKeyMatches("monday", clock));
}

TEST(DatesKey, SingleDatesAndRangesIncludeTheirEnds) {
    FixedCalendar clock;
    clock.Pattern = "dd/MM/yyyy";
    EXPECT_TRUE(DatesKeyMatches("03/03/2025", clock));
    EXPECT_FALSE(DatesKeyMatches("04/03/2025", clock));
    EXPECT_TRUE(DatesKeyMatches("1/3/2025-7/3/2025", clock));
    clock.Date = {2025, 3, 1};
    EXPECT_TRUE(DatesKeyMatches("1/3/2025-7/3/2025", clock));
    clock.Date = {2025, 3, 7};
    EXPECT_TRUE(DatesKeyMatches("1/3/2025-7/3/2025", clock));
    clock.Date = {2025, 3, 8};
    EXPECT_FALSE(DatesKeyMatches("1/3/2025-7/3/2025", clock));
    // Only the first two pieces count; a third is ignored.
    clock.Date = {2025, 3, 5};
    EXPECT_TRUE(DatesKeyMatches("1/3/2025-7/3/2025-junk", clock));
    // "-" always makes a range: ISO dates and half ranges never match.
    clock.Date = {2025, 3, 1};
    EXPECT_FALSE(DatesKeyMatches("2025-03-01", clock));
    EXPECT_FALSE(DatesKeyMatches("1/3/2025-", clock));
    EXPECT_FALSE(DatesKeyMatches("-", clock));
    EXPECT_FALSE(DatesKeyMatches("monday-friday", clock));
}

TEST(DatesKey, MinuteDigit) {
    FixedCalendar clock;
    clock.MinuteOfHour = 5;
    EXPECT_TRUE(DatesKeyMatches("5", clock));
    clock.MinuteOfHour = 45;
    EXPECT_TRUE(DatesKeyMatches("5", clock));
    clock.MinuteOfHour = 50;
    EXPECT_FALSE(DatesKeyMatches("5", clock));
    EXPECT_TRUE(DatesKeyMatches("0", clock));
    clock.MinuteOfHour = 5;
    EXPECT_FALSE(DatesKeyMatches("05", clock));
    EXPECT_FALSE(DatesKeyMatches(" 5", clock));
    EXPECT_FALSE(DatesKeyMatches("", clock));
    EXPECT_FALSE(DatesKeyMatches("policy", clock));
}

TEST(SelectDocument, FirstMatchingLineWinsEvenWhenItsDocumentIsMissing) {
    Selection s;
    s.DatesTexts[kDates] =
        "Tue=C:\\Docs\\tuesday.html\r\nmonday=C:\\Docs\\gone.html\r\n"
        "Mon=C:\\Docs\\monday.html\r\n";
    s.Files = {"C:\\Docs\\monday.html", "C:\\Docs\\setting.html", kFolder + "\\Documents\\index.html"};
    s.Set("Declaration Document", "  C:\\Docs\\setting.html ");
    DocumentSelection selection = s.Make();
    selection.SelectDocument();
    EXPECT_EQ(s.Browser.Location, "C:\\Docs\\setting.html");
    EXPECT_EQ(s.History, std::vector<std::string>{"C:\\Docs\\setting.html"});
    EXPECT_TRUE(s.Browser.FullScreen);
    EXPECT_EQ(s.Locks, 1);
    EXPECT_EQ(s.Unlocks, 1);
}

TEST(SelectDocument, DatedDocumentThenSettingThenStandardNamesInOrder) {
    Selection s;
    s.DatesTexts[kDates] = "5=C:\\Docs\\minute.htm\r\n";
    s.Files = {"C:\\Docs\\minute.htm", kFolder + "\\Documents\\default.htm", kFolder + "\\Documents\\index.htm"};
    s.Make().SelectDocument();
    EXPECT_EQ(s.Browser.Location, "C:\\Docs\\minute.htm");

    Selection t;
    t.Files = {kFolder + "\\Documents\\default.htm", kFolder + "\\Documents\\index.htm"};
    t.Make().SelectDocument();
    EXPECT_EQ(t.Browser.Location, kFolder + "\\Documents\\default.htm");
    EXPECT_EQ(t.History.size(), 1u);
}

TEST(SelectDocument, NothingToShowLeavesTheViewEmptyButFullScreen) {
    Selection s;
    DocumentSelection selection = s.Make();
    selection.SelectDocument();
    EXPECT_TRUE(s.Browser.Navigations.empty());
    EXPECT_TRUE(s.History.empty());
    EXPECT_TRUE(s.Browser.FullScreen);
    EXPECT_EQ(selection.GetDocumentDetails(), "Declaration document is not found.");
}

TEST(SelectDocument, ScreenSaverDrawsOneEntryOfItsOwnFile) {
    Selection s;
    s.ScreenSaver = true;
    s.DatesTexts[kSaverDates] = "a=C:\\S\\1.html\r\nb=C:\\S\\2.html\r\nc=C:\\S\\3.html\r\n";
    s.DatesTexts[kDates] = "Mon=C:\\Docs\\monday.html\r\n";
    s.Files = {kSaverDates, "C:\\S\\1.html", "C:\\S\\2.html", "C:\\S\\3.html", "C:\\Docs\\monday.html"};
    s.Draw = 0.5;  // Int(3 * 0.5 + 1) = 2
    DocumentSelection selection = s.Make();
    EXPECT_EQ(selection.DatesFilePath(), kSaverDates);
    EXPECT_TRUE(selection.FindDatedDocument());
    EXPECT_EQ(s.Browser.Location, "C:\\S\\2.html");

    s.Draw = 0.9999;
    s.Make().FindDatedDocument();
    EXPECT_EQ(s.Browser.Location, "C:\\S\\3.html");

    // A drawn entry without a document is not skipped: nothing opens.
    s.Files.erase("C:\\S\\1.html");
    s.Browser.Location.clear();
    s.Draw = 0.0;
    EXPECT_FALSE(s.Make().FindDatedDocument());
    EXPECT_TRUE(s.Browser.Location.empty());
}

TEST(SelectDocument, ScreenSaverWithoutItsFileUsesTheDatesFile) {
    Selection s;
    s.ScreenSaver = true;
    s.DatesTexts[kDates] = "Tue=C:\\Docs\\tuesday.html\r\n";
    s.Files = {"C:\\Docs\\tuesday.html"};
    s.Draw = 0.3;  // one line: always that line
    DocumentSelection selection = s.Make();
    EXPECT_EQ(selection.DatesFilePath(), kDates);
    EXPECT_TRUE(selection.FindDatedDocument());
    EXPECT_EQ(s.Browser.Location, "C:\\Docs\\tuesday.html");
}

TEST(OpenDocument, HistoryButtonsFollowTheDocumentKind) {
    Selection s;
    s.Files = {"C:\\D\\Policy.HTML", "C:\\D\\policy.pdf", "C:\\D\\page.htm"};
    DocumentSelection selection = s.Make();
    EXPECT_TRUE(selection.OpenDocument("C:\\D\\Policy.HTML"));
    EXPECT_TRUE(selection.OpenDocument("C:\\D\\policy.pdf"));
    s.Set("History Buttons", "No, the buttons");
    EXPECT_TRUE(selection.OpenDocument("C:\\D\\page.htm"));
    EXPECT_EQ(s.HistoryShown, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(s.History.size(), 3u);
    EXPECT_FALSE(selection.OpenDocument(""));
    EXPECT_FALSE(selection.OpenDocument("C:\\D\\missing.html"));
    EXPECT_EQ(s.History.size(), 3u);
}

TEST(NavigateTo, SkipsTheLocationAlreadyShown) {
    Selection s;
    DocumentSelection selection = s.Make();
    selection.NavigateTo("C:\\D\\a.html");
    selection.NavigateTo("C:\\D\\a.html");
    selection.NavigateTo("c:\\d\\a.html");  // the comparison is case-sensitive
    EXPECT_EQ(s.Browser.Navigations.size(), 2u);
}

TEST(GetDocumentDetails, AllOutcomes) {
    Selection s;
    DocumentSelection selection = s.Make();
    s.Browser.Location = "file:///C:/D/policy.HTM";
    EXPECT_EQ(selection.GetDocumentDetails(), "Policy text");
    s.Set("Save Document Details", " NO ");
    EXPECT_EQ(selection.GetDocumentDetails(), "file:///C:/D/policy.HTM");
    s.Set("Save Document Details", "nope");
    EXPECT_EQ(selection.GetDocumentDetails(), "Policy text");
    s.Browser.Location = "file:///C:/D/policy.Pdf";
    EXPECT_EQ(selection.GetDocumentDetails(), "file:///C:/D/policy.Pdf");
    s.Browser.Location = "file:///C:/D/policy.txt";
    EXPECT_EQ(selection.GetDocumentDetails(), "file:///C:/D/policy.txt");
    s.Browser.Location = "file:///C:/D/policy.doc";
    EXPECT_EQ(selection.GetDocumentDetails(), "file:///C:/D/policy.doc");
    s.Browser.Location = "file:///C:/D/policy.rtf";
    EXPECT_EQ(selection.GetDocumentDetails(), "");
}

// "Language Documents": each kind of path is first looked for in its
// folder's language sub-folders, most specific first; the window and the
// start-up decision choose the same file.
TEST(OpenDocument, LanguageVersionsComeFirstForEveryKindOfPath) {
    const std::string docs = kFolder + "\\Documents\\";
    struct Case {
        const char* what;
        bool screenSaver;
        const char* optIn;  // "Language Documents"
        std::string language;
        std::set<std::string> files;
        std::string opened;
    } cases[] = {
        {"dated", false, "Yes", "de-CH", {"C:\\D\\monday.html", "C:\\D\\de\\monday.html"}, "C:\\D\\de\\monday.html"},
        {"dated, most specific",
         false,
         "Yes",
         "de-CH",
         {"C:\\D\\de-CH\\monday.html", "C:\\D\\de\\monday.html"},
         "C:\\D\\de-CH\\monday.html"},
        {"setting",
         false,
         "Yes",
         "fr-FR",
         {"C:\\S\\fr\\setting.html", "C:\\S\\setting.html"},
         "C:\\S\\fr\\setting.html"},
        {"standard name",
         false,
         "Yes",
         "de-DE",
         {docs + "de\\index.html", docs + "index.html"},
         docs + "de\\index.html"},
        {"earlier standard name wins",
         false,
         "Yes",
         "de-DE",
         {docs + "index.html", docs + "de\\default.htm"},
         docs + "index.html"},
        {"screen saver", true, "Yes", "fr-FR", {kSaverDates, "C:\\V\\fr\\1.html"}, "C:\\V\\fr\\1.html"},
        {"no language folder",
         false,
         "Yes",
         "it-IT",
         {"C:\\D\\monday.html", "C:\\D\\de\\monday.html"},
         "C:\\D\\monday.html"},
        {"setting No", false, "No", "de-DE", {"C:\\D\\monday.html", "C:\\D\\de\\monday.html"}, "C:\\D\\monday.html"},
        {"setting missing",
         false,
         nullptr,
         "de-DE",
         {"C:\\D\\monday.html", "C:\\D\\de\\monday.html"},
         "C:\\D\\monday.html"},
        {"no language", false, "Yes", "", {"C:\\D\\de\\monday.html"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Selection s;
        s.ScreenSaver = c.screenSaver;
        s.DatesTexts[kDates] = "Mon=C:\\D\\monday.html\r\n";
        s.DatesTexts[kSaverDates] = "a=C:\\V\\1.html\r\n";
        if (c.what == std::string("setting")) s.DatesTexts.clear();
        s.Set("Declaration Document", "C:\\S\\setting.html");
        if (c.optIn) s.Set("Language Documents", c.optIn);
        s.Language = c.language;
        s.Files = c.files;
        DocumentSelection selection = s.Make();
        selection.SelectDocument();
        EXPECT_EQ(s.Browser.Location, c.opened);
        EXPECT_EQ(selection.SelectedPath(), c.opened);
        EXPECT_EQ(s.History, c.opened.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.opened});
        if (!c.optIn || c.optIn == std::string("No")) {
            EXPECT_EQ(s.LanguageAsked, 0);
        }
        if (!c.screenSaver) {
            EXPECT_EQ(TodaysDocumentPath(s.Settings, s.Clock, kFolder, s.Hooks()), c.opened);
        }
    }
}

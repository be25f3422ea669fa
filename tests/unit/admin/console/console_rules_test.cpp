// The console's portable rules: which files it opens, the tab table, where
// the window opens, and what each picker offers.
#include <gtest/gtest.h>

#include "admin/console/console_files.h"
#include "admin/console/console_ids.h"
#include "admin/console/console_menu.h"
#include "admin/console/picker_table.h"
#include "admin/console/tab_rules.h"
#include "admin/console/window_position.h"
#include "shared/settings_store.h"
#include "support/temp_folder.h"

namespace {

// The console joins Windows paths with "\"; here such a path names one file
// of the temporary folder, whose name holds the backslashes.
std::string AppOf(const TempFolder& temp) { return temp.File("app"); }
std::string Doc(const TempFolder& temp, const std::string& name) { return AppOf(temp) + "\\documents\\" + name; }

}  // namespace

TEST(ConsoleFiles, DocumentFallsBackThroughTheStandardNames) {
    TempFolder temp;
    const std::string app = AppOf(temp);
    temp.MakeFolder("app\\documents");  // a Windows folder; a name with backslashes here
    SettingsStore settings(StoreVariant::Console);
    // Nothing there: "index.htm", whether it exists or not.
    EXPECT_EQ(GetDocumentFile(app, "", settings), Doc(temp, "index.htm"));
    // Only default.htm present.
    temp.Write("app\\documents\\default.htm", "<p>x</p>");
    EXPECT_EQ(GetDocumentFile(app, "", settings), Doc(temp, "default.htm"));
    temp.Write("app\\documents\\index.html", "<p>x</p>");
    EXPECT_EQ(GetDocumentFile(app, "", settings), Doc(temp, "index.html"));
    // "Declaration Document" naming a missing file, a folder, then a file.
    LoadSettingsText("Declaration Document=" + app + "\\missing.htm\r\n", settings);
    EXPECT_EQ(GetDocumentFile(app, "", settings), Doc(temp, "index.html"));
    temp.MakeFolder("folder.htm");
    LoadSettingsText("Declaration Document=" + temp.File("folder.htm") + "\r\n", settings);
    EXPECT_EQ(GetDocumentFile(app, "", settings), Doc(temp, "index.html"));
    temp.Write("policy.pdf", "%PDF");
    LoadSettingsText("Declaration Document= " + temp.File("policy.pdf") + " \r\n", settings);
    EXPECT_EQ(GetDocumentFile(app, "", settings), temp.File("policy.pdf"));
    // A picked document wins when it exists and is a document; report.HTML counts.
    temp.Write("report.HTML", "<p>r</p>");
    EXPECT_EQ(GetDocumentFile(app, temp.File("report.HTML"), settings), temp.File("report.HTML"));
    temp.Write("notes.txt", "n");
    EXPECT_EQ(GetDocumentFile(app, temp.File("notes.txt"), settings), temp.File("policy.pdf"));
    EXPECT_EQ(GetDocumentFile(app, temp.File("gone.html"), settings), temp.File("policy.pdf"));
}

TEST(ConsoleFiles, KindsSettingsAndDatesFiles) {
    struct Case {
        const char* Path;
        bool Html, PdfOrDoc;
    };
    for (const Case& c : {Case{"a.htm", true, false}, Case{"report.HTML", true, false}, Case{"b.Pdf", false, true},
                          Case{"c.DOC", false, true}, Case{"d.docx", false, false}, Case{"e.html~", false, false},
                          Case{"htm", true, false}, Case{"", false, false}}) {
        EXPECT_EQ(IsHtmlFile(c.Path), c.Html) << c.Path;
        EXPECT_EQ(IsPdfOrDocFile(c.Path), c.PdfOrDoc) << c.Path;
    }
    std::string settingsPath = "  ";
    EXPECT_EQ(GetSettingsFile("C:\\App", &settingsPath), "C:\\App\\Tessarin.ini");
    settingsPath = "C:\\App\\Profiles\\anna.ini";
    EXPECT_EQ(GetSettingsFile("C:\\App", &settingsPath), "C:\\App\\Profiles\\anna.ini");
    TempFolder app;
    std::string datesPath = app.File("gone.ini");
    EXPECT_EQ(GetDatesFile(app.Path(), &datesPath), app.Path() + "\\documents\\document.ini");
    app.Write("other.ini", "");
    datesPath = app.File("other.ini");
    EXPECT_EQ(GetDatesFile(app.Path(), &datesPath), app.File("other.ini"));
    EXPECT_EQ(WorkingCopyOf("C:\\d\\index.html"), "C:\\d\\index.html~");
}

TEST(ConsoleTabs, TheTabTableAsData) {
    using C = TabControl;
    struct Row {
        ConsoleTabId Tab;
        const char* Caption;
        bool FromBundleOption;
        ActionState State;
        std::vector<C> Shown, Hidden;
        const char* Status;
    };
    const Row expected[] = {
        {ConsoleTabId::Document,
         "Doc Editor",
         false,
         ActionState::Unchanged,
         {C::Editor},
         {C::LogGrid, C::DatesGrid},
         "Edit Tessarin Document"},
        {ConsoleTabId::Dates,
         "Doc Dates",
         false,
         ActionState::FollowsChanged,
         {C::DatesGrid},
         {C::PropertyGrid, C::LogGrid, C::Editor},
         "Edit Document Dates"},
        {ConsoleTabId::Settings,
         "Settings",
         false,
         ActionState::FollowsChanged,
         {C::PropertyGrid},
         {C::LogGrid, C::Editor},
         "Edit Tessarin Settings"},
        {ConsoleTabId::Logs,
         "Log Files",
         true,
         ActionState::Enabled,
         {C::LogGrid},
         {C::PropertyGrid, C::Editor},
         "Tessarin Logs"},
    };
    for (const Row& row : expected) {
        const TabRule& rule = TabRuleOf(row.Tab);
        EXPECT_STREQ(rule.Caption, row.Caption);
        EXPECT_EQ(rule.CaptionFromBundleOption, row.FromBundleOption) << row.Caption;
        EXPECT_EQ(rule.State, row.State) << row.Caption;
        EXPECT_EQ(rule.Shown, row.Shown) << row.Caption;
        EXPECT_EQ(rule.Hidden, row.Hidden) << row.Caption;
        EXPECT_STREQ(rule.Status, row.Status);
    }
    EXPECT_EQ(BundleButtonCaption("Sql"), "&Sql");
    EXPECT_EQ(BundleButtonCaption("Excel"), "&Export");
    EXPECT_EQ(BundleButtonCaption("sql"), "&Bundle");  // compared exactly
    EXPECT_EQ(BundleButtonCaption(""), "&Bundle");
}

TEST(ConsolePosition, DefaultsStoredTextAndScreens) {
    const TwipsPlacement defaults;
    EXPECT_EQ(ToPixels(defaults, 15, 15), (PixelRect{67, 67, 433, 433}));
    EXPECT_EQ(ToPixels(defaults, 12, 12), (PixelRect{83, 83, 542, 542}));
    const TwipsPlacement back = ToTwips(PixelRect{67, 67, 433, 433}, 15, 15);
    EXPECT_EQ(back.Left, 1005);
    EXPECT_EQ(back.Width, 6495);
    for (auto [text, value] : {std::pair<const char*, long>{"2400", 2400},
                               {" -300 ", -300},
                               {"", 1000},
                               {"12ab", 1000},
                               {"1e9", 1000},
                               {"99999999999999", 1000}}) {
        EXPECT_EQ(StoredTwips(text, 1000), value) << text;
    }
    const PixelRect screen{0, 0, 1280, 800}, right{1280, 0, 1024, 768};
    // On screen: unchanged; too small: the minimum; off every screen: the
    // default place on the primary screen; hanging over an edge: pulled in.
    EXPECT_EQ(KeepOnScreen({100, 100, 600, 500}, {screen}, screen, 420, 320, 15, 15), (PixelRect{100, 100, 600, 500}));
    EXPECT_EQ(KeepOnScreen({100, 100, 10, 10}, {screen}, screen, 420, 320, 15, 15), (PixelRect{100, 100, 420, 320}));
    EXPECT_EQ(KeepOnScreen({-5000, 9000, 600, 500}, {screen}, screen, 420, 320, 15, 15), (PixelRect{67, 67, 600, 500}));
    EXPECT_EQ(KeepOnScreen({1500, 100, 600, 500}, {screen, right}, screen, 420, 320, 15, 15),
              (PixelRect{1500, 100, 600, 500}));
    EXPECT_EQ(KeepOnScreen({1100, 600, 600, 500}, {screen}, screen, 420, 320, 15, 15), (PixelRect{680, 300, 600, 500}));
    EXPECT_EQ(KeepOnScreen({0, 0, 5000, 5000}, {screen}, screen, 420, 320, 15, 15), (PixelRect{0, 0, 1280, 800}));
}

TEST(ConsolePickers, EachHeaderItsDialog) {
    const PickerDialog users = PickerFor("Users", "C:\\App");
    EXPECT_EQ(users.Kind, PickerKind::OpenFile);
    EXPECT_EQ(users.StartFolder, "C:\\");
    EXPECT_EQ(users.Pattern, "*.txt");
    EXPECT_EQ(PickerFor("Declaration Document", "C:\\App").StartFolder, "C:\\App\\Documents\\");
    const PickerDialog ini = PickerFor("Declaration Ini", "C:\\App");
    EXPECT_EQ(ini.StartFolder, "C:\\App\\Profiles\\");
    EXPECT_EQ(OpenDialogFilter(ini), std::string("File (*.ini)\0*.ini\0\0", 20));
    EXPECT_EQ(PickerFor("Border Background Colour", "C:\\App").Kind, PickerKind::Colour);
    EXPECT_EQ(PickerFor("users", "C:\\App").Kind, PickerKind::None);  // exact comparison
    EXPECT_EQ(ColourText(0x00C0FFC0), "12648384");
}

TEST(ConsoleMenus, PlaceholdersNameTheirHandlers) {
    EXPECT_EQ(PlaceholderMessage(ID_FILE_NEW), "Add 'mnuFileNew_Click' code.");
    EXPECT_EQ(PlaceholderMessage(ID_HELP_SEARCH), "Add 'mnuHelpSearchForHelpOn_Click' code.");
    EXPECT_EQ(MenuHandlerName(ID_FILE_MRU1), "");
    int count = 0;
    const ToolbarButton* buttons = ToolbarButtons(&count);
    ASSERT_EQ(count, 13);
    EXPECT_STREQ(buttons[12].Key, "Align Right");
    EXPECT_EQ(buttons[2].MenuCommand, ID_FILE_SAVE);
    EXPECT_EQ(ToolbarPlaceholderMessage("Bold"), "Add 'Bold' button code.");
}

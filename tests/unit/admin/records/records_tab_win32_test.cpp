// The records tab's window layer for real (run under Wine), in a small host
// window: entering lists afresh, and the record tip by "Auto Show Log", the
// row under the mouse and the list's focus.
#include "admin/records/records_tab_win32.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shared/settings_store.h"
#include "shared/tips/balloon_tooltip_win32.h"
#include "support/temp_folder.h"

namespace {

class TestHost : public Window, public ConsoleHost {
public:
    bool Open() {
        ClassInfo info;
        info.Name = "TsrRecordsTabTestHost";
        return RegisterClassOnce(info) &&
               Create(info.Name, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 0, 640, 480, nullptr);
    }
    HWND MainWindow() const override { return Hwnd(); }
    HFONT UiFont() const override { return nullptr; }
    const std::string& AppFolder() const override { return appFolder_; }
    SettingsStore& AdminSettings() override { return Settings; }
    std::string GetSettingsFile() override { return {}; }
    void OpenSettingsFile(const std::string&) override {}
    void ShowStatusMsg(const std::string& message) override { Status = message; }
    std::string GetDiag(const std::string&, const std::string& current) override { return current; }
    void NoteEdit() override {}
    bool IsLoaded() const override { return true; }
    bool IsChanged() const override { return false; }
    void SetPathLabel(const std::string& text) override { PathLabel = text; }
    void SetActionButton(const std::string& caption, bool enabled) override {
        Caption = caption;
        ActionEnabled = enabled;
    }
    std::string ActionCaption() const override { return Caption; }
    void SetControlShown(TabControl, bool) override {}
    bool ControlShown(TabControl) const override { return true; }
    void SetTabCaption(ConsoleTabId, const std::string&) override {}
    std::string TabCaption(ConsoleTabId) const override { return {}; }
    void SetMenuItemText(int, const std::string&) override {}
    CBalloonToolTip& LogTip() override { return Tip; }

    SettingsStore Settings{StoreVariant::Console};
    CBalloonToolTip Tip;
    std::string Status, PathLabel, Caption;
    bool ActionEnabled = false;

private:
    std::string appFolder_ = "C:\\";
};

class RecordsTabWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Open());
        ASSERT_TRUE(tab.Create(host));
        tab.Open();
        tab.Place(RECT{0, 0, 600, 400});
        tab.WindowWidthChanged(600 * 15);
        tab.ShowPage(true);
        for (const char* name : {"anna", "ben", "carl", "dora", "emil"})
            logs.Write(std::string(name) + "_Declaration", std::string("record of ") + name + "\r\n");
        logs.Write("Bundle.Log", "not a record");
    }
    void Settings(const std::string& lines) {
        host.Settings.Clear();
        LoadSettingsText("TsrPath=" + logs.Path() + "\r\n" + lines, host.Settings);
    }
    // A mouse move over the "Log File" cell of a row (19 pixels a row).
    void MoveOver(long row, WPARAM buttons = 0) {
        SendMessageA(tab.Grid().GridHwnd(), WM_MOUSEMOVE, buttons, MAKELPARAM(200, row * 19 + 9));
    }
    std::string LogFile(long row) { return tab.Grid().Grid().TextMatrix(row, 1); }

    TempFolder logs;
    TestHost host;
    RecordsTab tab;
};

}  // namespace

TEST_F(RecordsTabWindow, EnteringListsAfreshWithTheButtonAndTheFolder) {
    Settings("Bundle Option=Sql\r\n");
    tab.Enter();
    EXPECT_EQ("&Sql", host.Caption);
    EXPECT_TRUE(host.ActionEnabled);
    EXPECT_EQ(logs.Path(), host.PathLabel);
    for (long r = 1; r <= 5; ++r) EXPECT_NE("", LogFile(r)) << r;
    EXPECT_EQ("", LogFile(6));

    for (const char* name : {"anna", "ben", "carl"}) DeleteFileA(logs.File(std::string(name) + "_Declaration").c_str());
    tab.Enter();
    EXPECT_NE("", LogFile(2));
    for (long r = 3; r <= 5; ++r) EXPECT_EQ("", LogFile(r)) << "row " << r << " of the longer listing";

    tab.Action("&Sql");
    EXPECT_EQ("Sql have been generated in " + logs.File("TessarinLog.sql"), host.Status);
    EXPECT_FALSE(host.ActionEnabled);
    const std::string sql = logs.Read("TessarinLog.sql");
    EXPECT_EQ(2, std::count(sql.begin(), sql.end(), '\n'));
}

TEST_F(RecordsTabWindow, TipFollowsTheMouseByAutoShowLog) {
    const struct {
        const char* Setting;
        WPARAM Buttons;
        bool Shown;
    } cases[] = {{"", 0, true},
                 {"Auto Show Log=yes\r\n", 0, true},
                 {"Auto Show Log=No\r\n", 0, false},
                 {"Auto Show Log= no \r\n", MK_LBUTTON, true}};
    for (const auto& c : cases) {
        Settings(c.Setting);
        tab.Enter();
        MoveOver(1, c.Buttons);
        EXPECT_EQ(c.Shown, host.Tip.Shown()) << c.Setting << c.Buttons;
        if (c.Shown) {
            EXPECT_NE(std::string::npos, host.Tip.TipText().find("record of")) << c.Setting;
        }
    }

    Settings("");
    tab.Enter();
    MoveOver(2);
    const std::string second = host.Tip.TipText();
    EXPECT_NE(std::string::npos, second.find("record of " + LogFile(2).substr(0, LogFile(2).find('_'))));
    MoveOver(0);  // the header row names no record
    EXPECT_FALSE(host.Tip.Shown());

    MoveOver(2);
    SetFocus(tab.Grid().GridHwnd());
    SetFocus(host.Hwnd());
    EXPECT_FALSE(host.Tip.Shown()) << "the list lost the focus";
    EXPECT_EQ(nullptr, host.Tip.TipWindow());
    MoveOver(2);  // the same row again once its tip is gone
    EXPECT_TRUE(host.Tip.Shown());
    EXPECT_EQ(second, host.Tip.TipText());
}

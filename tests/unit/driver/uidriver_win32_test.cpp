// The UI driver's window search, listing, keys and actions, on windows of this
// test process (run under Wine on a virtual display).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/driver/key_names_win32.h"
#include "tests/driver/menu_select_win32.h"
#include "tests/driver/window_actions_win32.h"
#include "tests/driver/window_find_win32.h"
#include "shared/win32/window.h"

namespace {

const char kClass[] = "TsrDriverTestWindow";
const char kTitle[] = "Driver \"test\" window";
constexpr int kAcceptId = 7;
constexpr int kEditId = 8;
constexpr int kCheckId = 9;
// The window the driver is tried on; it counts the clicks on accept.
class TestWindow : public Window {
public:
    HWND Open() {
        RegisterClassOnce(ClassInfo{kClass});
        return Create(kClass, kTitle, WS_OVERLAPPEDWINDOW, 0, 50, 50, 300, 200, nullptr);
    }
    int AcceptClicks = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == kAcceptId && HIWORD(wParam) == BN_CLICKED) ++AcceptClicks;
        return DefaultHandling(message, wParam, lParam);
    }
};

HWND AddChild(HWND parent, const char* cls, const char* text, DWORD style, int id) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, 10 + id * 30, 120, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

class DriverWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        top_ = window_.Open();
        ASSERT_NE(nullptr, top_);
        accept_ = AddChild(top_, "BUTTON", "&Accept", BS_PUSHBUTTON | WS_DISABLED, kAcceptId);
        edit_ = AddChild(top_, "EDIT", "", WS_BORDER | ES_AUTOHSCROLL, kEditId);
        check_ = AddChild(top_, "BUTTON", "Read it", BS_AUTOCHECKBOX, kCheckId);
        SendMessageA(check_, BM_SETCHECK, BST_CHECKED, 0);
        ShowWindow(top_, SW_SHOW);
    }
    WindowQuery ByTitle() const {
        WindowQuery query;
        query.title = kTitle;
        return query;
    }

    TestWindow window_;
    HWND top_ = nullptr;
    HWND accept_ = nullptr;
    HWND edit_ = nullptr;
    HWND check_ = nullptr;
};

TEST_F(DriverWindowTest, FindsTheWindowByEachChoiceAndTheirCombination) {
    EXPECT_EQ(top_, FindTopWindow(ByTitle()));
    WindowQuery byClass;
    byClass.className = "tsrdrivertestwindow";  // class names compare without case
    EXPECT_EQ(top_, FindTopWindow(byClass));
    WindowQuery byExe = ByTitle();
    byExe.exe = "DRIVER_TESTS";
    EXPECT_EQ(top_, FindTopWindow(byExe));
    WindowQuery byPid = ByTitle();
    byPid.pid = GetCurrentProcessId();
    EXPECT_EQ(top_, FindTopWindow(byPid));
    byPid.pid = GetCurrentProcessId() + 4;
    EXPECT_EQ(nullptr, FindTopWindow(byPid));
    WindowQuery otherExe = ByTitle();
    otherExe.exe = "no_such_program.exe";
    EXPECT_EQ(nullptr, FindTopWindow(otherExe));
}

TEST_F(DriverWindowTest, HiddenWindowsAreFoundOnlyWhenAskedFor) {
    ShowWindow(top_, SW_HIDE);
    WindowQuery query = ByTitle();
    EXPECT_EQ(nullptr, FindTopWindow(query));
    query.includeHidden = true;
    EXPECT_EQ(top_, FindTopWindow(query));
}

TEST_F(DriverWindowTest, WaitingForAMissingWindowEndsAtTheTimeout) {
    WindowQuery query;
    query.title = "No such window anywhere";
    const ULONGLONG started = GetTickCount64();
    EXPECT_EQ(nullptr, WaitTopWindow(query, 300));
    const ULONGLONG waited = GetTickCount64() - started;
    EXPECT_GE(waited, 250u);
    EXPECT_LT(waited, 3000u);
}

TEST_F(DriverWindowTest, FindsControlsByIdOrByTextWithOrWithoutTheMnemonic) {
    ControlQuery byId;
    byId.byId = true;
    byId.id = kEditId;
    EXPECT_EQ(edit_, FindControl(top_, byId));
    ControlQuery byText;
    byText.text = "Accept";
    EXPECT_EQ(accept_, FindControl(top_, byText));
    byText.text = "&Accept";
    EXPECT_EQ(accept_, FindControl(top_, byText));
    byText.text = "accept";  // text compares exactly
    EXPECT_EQ(nullptr, FindControl(top_, byText));
    EXPECT_EQ(3u, ChildWindows(top_).size());
}

TEST(DriverProcesses, FindsThisProcessByImageNameInAnyCase) {
    const std::vector<DWORD> pids = ProcessIdsByExe("DRIVER_TESTS.exe");
    EXPECT_NE(pids.end(), std::find(pids.begin(), pids.end(), GetCurrentProcessId()));
    EXPECT_EQ("driver_tests.exe", ProcessExeName(GetCurrentProcessId()));
}

TEST_F(DriverWindowTest, ListingLinesShowStateFlagsAndEscapedText) {
    const std::string topLine = DescribeWindow(top_, true);
    EXPECT_NE(std::string::npos, topLine.find("\tTsrDriverTestWindow\t0\t1\t1\t"));
    EXPECT_NE(std::string::npos, topLine.find("WS_CAPTION"));
    EXPECT_NE(std::string::npos, topLine.find("\"Driver \\\"test\\\" window\""));
    EXPECT_NE(std::string::npos, DescribeWindow(accept_, false).find("\t7\t1\t0\t"));
    EXPECT_NE(std::string::npos, DescribeWindow(check_, false).find("checked"));
    SetWindowTextA(edit_, "two\r\nlines");
    EXPECT_NE(std::string::npos, DescribeWindow(edit_, false).find("\"two\\r\\nlines\""));
}

TEST_F(DriverWindowTest, ClickRefusesADisabledButtonUnlessForced) {
    std::string error;
    ClickOptions options;
    EXPECT_FALSE(ClickControl(top_, accept_, options, error));
    EXPECT_EQ("control is disabled", error);
    EXPECT_EQ(0, window_.AcceptClicks);
    options.force = true;
    EXPECT_TRUE(ClickControl(top_, accept_, options, error));
    EXPECT_EQ(1, window_.AcceptClicks);
    EnableWindow(accept_, TRUE);
    options.force = false;
    EXPECT_TRUE(ClickControl(top_, accept_, options, error));
    EXPECT_EQ(2, window_.AcceptClicks);
    ShowWindow(accept_, SW_HIDE);
    options.force = true;
    EXPECT_FALSE(ClickControl(top_, accept_, options, error));
    EXPECT_EQ("control is hidden", error);
}

TEST_F(DriverWindowTest, TypingAppendsOrReplacesTheEditText) {
    std::string error;
    ASSERT_TRUE(TypeText(top_, edit_, "abc", false, false, error)) << error;
    ASSERT_TRUE(TypeText(top_, edit_, "de", false, false, error)) << error;
    EXPECT_EQ("abcde", WindowText(edit_));
    ASSERT_TRUE(TypeText(top_, edit_, "x=1", true, false, error)) << error;
    EXPECT_EQ("x=1", WindowText(edit_));
}

TEST(DriverKeyNames, NamesAndChordsBecomeVirtualKeys) {
    KeyChord chord;
    ASSERT_TRUE(ParseKeyChord("F2", chord));
    EXPECT_EQ(VK_F2, chord.key);
    EXPECT_TRUE(chord.modifiers.empty());
    ASSERT_TRUE(ParseKeyChord("ctrl+shift+tab", chord));
    EXPECT_EQ(VK_TAB, chord.key);
    EXPECT_EQ((std::vector<WORD>{VK_CONTROL, VK_SHIFT}), chord.modifiers);
    ASSERT_TRUE(ParseKeyChord("VK_ESCAPE", chord));
    EXPECT_EQ(VK_ESCAPE, chord.key);
    ASSERT_TRUE(ParseKeyChord("alt+f4", chord));
    EXPECT_EQ(VK_F4, chord.key);
    ASSERT_TRUE(ParseKeyChord("a", chord));
    EXPECT_EQ('A', chord.key);
    ASSERT_TRUE(ParseKeyChord("F24", chord));
    EXPECT_EQ(VK_F24, chord.key);
    EXPECT_FALSE(ParseKeyChord("F25", chord));
    EXPECT_FALSE(ParseKeyChord("F0", chord));
    EXPECT_FALSE(ParseKeyChord("A+B", chord));  // only Ctrl, Shift and Alt hold
    EXPECT_FALSE(ParseKeyChord("CTRL+", chord));
    EXPECT_FALSE(ParseKeyChord("", chord));
    EXPECT_FALSE(ParseKeyChord("PAUSEBREAK", chord));
}

TEST(DriverMenus, PathsSplitIntoCaptionsOrPositions) {
    std::vector<std::string> parts;
    ASSERT_TRUE(SplitMenuPath("SpeakerMenu>Speaker Volume>80", parts));
    EXPECT_EQ((std::vector<std::string>{"SpeakerMenu", "Speaker Volume", "80"}), parts);
    EXPECT_FALSE(SplitMenuPath("Size>", parts));
    EXPECT_FALSE(SplitMenuPath(">Size", parts));
    EXPECT_FALSE(SplitMenuPath("", parts));
    int steps = -1;
    ASSERT_TRUE(ParseMenuPosition("#3", steps));
    EXPECT_EQ(2, steps);
    EXPECT_FALSE(ParseMenuPosition("#0", steps));
    EXPECT_FALSE(ParseMenuPosition("#", steps));
    EXPECT_FALSE(ParseMenuPosition("#2a", steps));
    EXPECT_FALSE(ParseMenuPosition("3", steps));
    EXPECT_FALSE(ParseMenuPosition("#99999999999", steps));
    EXPECT_EQ("Large", PlainMenuCaption("&Large\tCtrl+L"));
    EXPECT_EQ("Save & Exit", PlainMenuCaption("Save && E&xit"));
}

TEST(DriverProcesses, UnknownProcessesAnswerWithAReason) {
    std::string error;
    DWORD code = 0;
    EXPECT_FALSE(WaitProcessExit(0xFFFFFFF0u, 100, code, error));
    EXPECT_NE(std::string::npos, error.find("cannot open process"));
    EXPECT_FALSE(KillProcess(0xFFFFFFF0u, 1, error));
    EXPECT_TRUE(ProcessIdsByExe("no_such_program").empty());
}

}  // namespace

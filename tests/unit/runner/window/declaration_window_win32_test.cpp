// The declaration window and its picture controls as real windows (under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner/window/declaration_ids.h"
#include "runner/window/declaration_window_win32.h"
#include "runner/window/picture_control_win32.h"
#include "runner/window/picture_pixels.h"
#include "runner/start/run_control.h"
#include "shared/calendar_win32.h"
#include "shared/win32/handles.h"
#include "shared/win32/window.h"
#include "support/temp_folder.h"

namespace {

// A parent that records its children's notifications and offers a red background.
class RecordingParent : public Window {
public:
    bool Open() {
        ClassInfo info;
        info.Name = "PictureTestParent";
        return RegisterClassOnce(info) &&
               Create(info.Name, "", WS_POPUP | WS_VISIBLE, 0, 0, 0, 200, 100, nullptr) != nullptr;
    }
    std::vector<int> Codes;
    PicturePixels Background = SolidPicture(200, 100, 0x0000FF);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) Codes.push_back(HIWORD(wParam));
        if (message == WM_TSR_GETBACKGROUND) return reinterpret_cast<LRESULT>(&Background);
        return DefaultHandling(message, wParam, lParam);
    }
};

class PictureControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterPictureControl(GetModuleHandleA(nullptr)));
        ASSERT_TRUE(parent_.Open());
        control_ = CreatePictureControl(parent_.Hwnd(), 7, "Accept", true);
        ASSERT_NE(control_, nullptr);
        MoveWindow(control_, 10, 10, 40, 20, FALSE);
        ShowWindow(control_, SW_SHOW);
    }

    RecordingParent parent_;
    HWND control_ = nullptr;
};

}  // namespace

TEST_F(PictureControlTest, CarriesItsCaptionAndReportsClicks) {
    char text[32] = {};
    GetWindowTextA(control_, text, sizeof(text));
    EXPECT_STREQ(text, "Accept");
    EXPECT_EQ(GetDlgCtrlID(control_), 7);

    SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(parent_.Codes, (std::vector<int>{PCN_MOUSEDOWN, PCN_MOUSEUP, PCN_CLICKED}));

    // Released outside the control: no click.
    parent_.Codes.clear();
    SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(300, 6));
    EXPECT_EQ(parent_.Codes, (std::vector<int>{PCN_MOUSEDOWN, PCN_MOUSEUP}));

    // The keyboard clicks too.
    parent_.Codes.clear();
    SendMessageA(control_, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(control_, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(parent_.Codes, (std::vector<int>{PCN_CLICKED, PCN_RIGHTCLICK}));
}

TEST_F(PictureControlTest, PaintsThePictureOverTheParentsBackground) {
    // Left half opaque blue, right half see-through.
    PicturePixels picture;
    picture.Width = 2;
    picture.Height = 1;
    picture.Pixels = {0xFF0000FF, 0x00000000};
    SetPicture(control_, &picture);
    EXPECT_EQ(GetPicture(control_), &picture);
    InvalidateRect(control_, nullptr, FALSE);
    UpdateWindow(control_);
    WindowDC dc(control_);
    COLORREF left = GetPixel(dc.Get(), 2, 10);
    COLORREF right = GetPixel(dc.Get(), 37, 10);
    EXPECT_EQ(left, RGB(0, 0, 255));
    EXPECT_EQ(right, RGB(255, 0, 0));
}

TEST(RemoveTitleBar, ClearsCaptionMenuAndBoxesOnly) {
    HWND window = CreateWindowExA(0, "STATIC", "t", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 100, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    RemoveTitleBar(window);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(style & WS_CLIPCHILDREN, 0);
    EXPECT_NE(style & WS_THICKFRAME, 0);
    DestroyWindow(window);
}

namespace {

struct WindowUnderTest {
    TempFolder Folder;
    Win32Calendar Clock;
    std::unique_ptr<RunControl> Run;
    std::unique_ptr<DeclarationWindow> Declaration;
    HWND Window = nullptr;

    void Open(const std::string& settings, const std::string& commandLine) {
        Folder.Write("Tessarin.ini", settings);
        Run = std::make_unique<RunControl>(commandLine, Folder.Path(), Clock, [] { return std::string("logon"); });
        Run->LoadSettings();
        Declaration = CreateDeclarationWindow(GetModuleHandleA(nullptr), *Run);
        Window = Declaration ? Declaration->Hwnd() : nullptr;
    }
    ~WindowUnderTest() {
        Declaration.reset();
        // The window ends the program when it goes: keep that quit to itself.
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }
    HWND Child(int id) const { return GetDlgItem(Window, id); }
    bool Visible(int id) const { return (GetWindowLongA(Child(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    std::string Text(int id) const {
        char text[256] = {};
        GetWindowTextA(Child(id), text, sizeof(text));
        return text;
    }
    RECT Rect(int id) const {
        RECT r;
        GetWindowRect(Child(id), &r);
        MapWindowPoints(nullptr, Window, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

bool TaskManagerForbidden() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return false;
    const bool found = RegQueryValueExA(key, "DisableTaskMgr", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

// Runs the window's messages for a while as the program's loop does.
void RunMessages(DeclarationWindow& window, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            window.OnInput(message);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

}  // namespace

TEST(DeclarationWindow, EveryControlIsARealChildWithItsText) {
    WindowUnderTest w;
    w.Open("Button1 Caption=Agree\r\nCheckBox Caption=I, User Name, have read it\r\n", "-U anna");
    ASSERT_NE(w.Window, nullptr);
    for (int id = IDC_IMG_BACKGROUND; id <= IDC_IMG_LOGO; ++id) EXPECT_NE(w.Child(id), nullptr) << id;
    EXPECT_EQ(w.Text(IDC_IMG_BUTTON_0), "Agree");
    EXPECT_EQ(w.Text(IDC_LBL_BUTTON_CAPTION_0), "Agree");
    EXPECT_EQ(w.Text(IDC_IMG_BUTTON_1), "Decline");
    EXPECT_EQ(w.Text(IDC_IMG_DOC_HIST_0), "Previous");
    EXPECT_EQ(w.Text(IDC_IMG_DOC_HIST_1), "Next");
    EXPECT_EQ(w.Text(IDC_LBL_CHK_CAPTION), "I, anna, have read it");
    EXPECT_TRUE(w.Visible(IDC_CHK_READ));
    EXPECT_EQ(SendMessageA(w.Child(IDC_CHK_READ), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_FALSE(w.Visible(IDC_LBL_BUTTON_CAPTION_0));  // caption size 0
    // The accept and decline buttons sit on one row under the document.
    RECT doc = w.Rect(IDC_BWS_DECLARATION_DOC), accept = w.Rect(IDC_IMG_BUTTON_0);
    EXPECT_GT(accept.top, doc.bottom);
    EXPECT_EQ(accept.top, w.Rect(IDC_IMG_BUTTON_1).top);
    // The speech engine comes on the first tick; Wine's has no voices, so the
    // speaker stays hidden and the message takes its room.
    RunMessages(*w.Declaration, 100);
    EXPECT_FALSE(w.Visible(IDC_IMG_SPEAKER));
    EXPECT_EQ(w.Rect(IDC_LBL_MSG).left, doc.left);
}

TEST(DeclarationWindow, SwitchesOffHideTheirControlsAndTheTitleBar) {
    WindowUnderTest w;
    w.Open(
        "TitleBar=No\r\nSpeaker=no\r\nEyes Image=NO\r\nHistory Buttons=No\r\nButton2=No\r\n"
        "Button Caption Size=12\r\n",
        "");
    ASSERT_NE(w.Window, nullptr);
    EXPECT_EQ(GetWindowLongA(w.Window, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_FALSE(w.Visible(IDC_IMG_SPEAKER));
    EXPECT_FALSE(w.Visible(IDC_IMG_EYE));
    EXPECT_FALSE(w.Visible(IDC_IMG_DOC_HIST_0));
    EXPECT_FALSE(w.Visible(IDC_IMG_DOC_HIST_1));
    EXPECT_FALSE(w.Visible(IDC_IMG_BUTTON_1));
    EXPECT_TRUE(w.Visible(IDC_IMG_BUTTON_0));
    EXPECT_TRUE(w.Visible(IDC_LBL_BUTTON_CAPTION_0));
    // A hidden button's caption would lie over the other one's.
    EXPECT_FALSE(w.Visible(IDC_LBL_BUTTON_CAPTION_1));
    EXPECT_FALSE(w.Visible(IDC_CHK_READ));  // no caption: no check box
    // Without decline, accept ends one button width short of the document's right edge.
    RECT doc = w.Rect(IDC_BWS_DECLARATION_DOC), accept = w.Rect(IDC_IMG_BUTTON_0);
    EXPECT_NEAR(doc.right - accept.right, accept.right - accept.left, 1);  // rounding to pixels
}

namespace {

// Refuses the creation of every window of one class on this thread.
class CreationRefusal {
public:
    explicit CreationRefusal(const char* className) {
        refused_ = className;
        hook_ = SetWindowsHookExA(WH_CBT, &CreationRefusal::Hook, nullptr, GetCurrentThreadId());
    }
    ~CreationRefusal() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    bool Active() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        char name[64] = {};
        if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
            lstrcmpiA(name, refused_) == 0)
            return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static const char* refused_;
    HHOOK hook_ = nullptr;
};
const char* CreationRefusal::refused_ = "";

}  // namespace

TEST(DeclarationWindow, AFailedCreateLeavesNothingBehind) {
    // The window itself refused before it holds its object, or one of its
    // controls refused so that the window fails while it composes itself.
    for (const char* refused : {"TessarinDeclaration", "TsrPicture", "BUTTON", "STATIC"}) {
        SCOPED_TRACE(refused);
        WindowUnderTest w;
        {
            CreationRefusal refusal(refused);
            ASSERT_TRUE(refusal.Active());
            w.Open("", "");
        }
        EXPECT_FALSE(w.Declaration);
        EXPECT_EQ(FindWindowA("TessarinDeclaration", nullptr), nullptr);
    }
    // Nothing held on to the refusals: the next window opens.
    WindowUnderTest w;
    w.Open("", "");
    EXPECT_NE(w.Window, nullptr);
}

TEST(DeclarationWindow, TheSessionEndingUnlocksForGood) {
    WindowUnderTest w;
    w.Open("", "-U anna");
    ASSERT_NE(w.Window, nullptr);
    RunMessages(*w.Declaration, 100);  // the enforcement's first ticks
    EXPECT_TRUE(TaskManagerForbidden());
    BOOL saverRunning = FALSE;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &saverRunning, 0));
    EXPECT_TRUE(saverRunning);
    // An end the system called off changes nothing.
    SendMessageA(w.Window, WM_ENDSESSION, FALSE, 0);
    RunMessages(*w.Declaration, 100);
    EXPECT_TRUE(TaskManagerForbidden());

    SendMessageA(w.Window, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(TaskManagerForbidden());
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &saverRunning, 0));
    EXPECT_FALSE(saverRunning);
    // The window stays until the system ends the program: neither its timer
    // nor a key forbids Task Manager again, and nothing is recorded.
    PostMessageA(w.Window, WM_KEYDOWN, 'A', 0);
    RunMessages(*w.Declaration, 300);
    EXPECT_FALSE(TaskManagerForbidden());
    EXPECT_TRUE(IsWindow(w.Window));
    EXPECT_EQ(w.Folder.FileNames(), std::vector<std::string>{"Tessarin.ini"});
}

TEST(DeclarationWindow, ClosingWaitsForAnAnswerOnlyWhileAButtonIsShown) {
    const struct {
        const char* Settings;
        bool Closes;
    } cases[] = {
        {"", false},
        {"Button1=No\r\n", false},
        {"Button2=No\r\n", false},
        {"Button1=No\r\nButton2=No\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings);
        WindowUnderTest w;
        w.Open(c.Settings, "-U anna");
        ASSERT_NE(w.Window, nullptr);
        RunMessages(*w.Declaration, 100);
        SendMessageA(w.Window, WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4 and the title bar's close
        EXPECT_EQ(!IsWindow(w.Window), c.Closes);
        SendMessageA(w.Window, WM_CLOSE, 0, 0);
        EXPECT_EQ(!IsWindow(w.Window), c.Closes);
        // Closed, it unloads as usual and records nothing.
        EXPECT_EQ(TaskManagerForbidden(), !c.Closes);
        EXPECT_EQ(w.Folder.FileNames(), std::vector<std::string>{"Tessarin.ini"});
    }
}

TEST(DeclarationWindow, WithoutADocumentViewTheUserCanStillAnswer) {
    WindowUnderTest w;
    {
        // Neither the browser control nor the reader view can be made.
        CreationRefusal refusal("TsrDocumentView");
        ASSERT_TRUE(refusal.Active());
        w.Open("Button1 Caption=Agree\r\nCheckBox Caption=I have read it\r\nHistory Buttons=Yes\r\n", "-U anna");
    }
    ASSERT_NE(w.Window, nullptr);
    EXPECT_EQ(w.Text(IDC_BWS_DECLARATION_DOC), "The declaration document could not be shown.");
    EXPECT_TRUE(w.Visible(IDC_BWS_DECLARATION_DOC));
    EXPECT_TRUE(w.Visible(IDC_IMG_BUTTON_0));
    EXPECT_FALSE(w.Visible(IDC_IMG_DOC_HIST_0));  // no pages to step through
    RECT doc = w.Rect(IDC_BWS_DECLARATION_DOC), accept = w.Rect(IDC_IMG_BUTTON_0);
    EXPECT_GT(accept.top, doc.bottom);
    EXPECT_GT(doc.right - doc.left, 100);

    SendMessageA(w.Child(IDC_CHK_READ), BM_CLICK, 0, 0);
    HWND accept0 = w.Child(IDC_IMG_BUTTON_0);
    SendMessageA(accept0, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(accept0, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    RunMessages(*w.Declaration, 200);
    EXPECT_FALSE(IsWindow(w.Window));
    const std::string record = w.Folder.Read("anna_Declaration");
    EXPECT_NE(record.find(" Agree\r\n"), std::string::npos) << record;
    EXPECT_NE(record.find("Declaration document is not found."), std::string::npos) << record;
}

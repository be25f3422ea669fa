// The balloon tooltip class over a real tooltip control (under Wine).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "shared/tips/balloon_tooltip_win32.h"

namespace {

void Pump() {
    MSG message;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

std::string ToolText(HWND tip, HWND parent) {
    char buffer[4096] = "";
    TTTOOLINFOA record = {};
    record.cbSize = TTTOOLINFOA_V2_SIZE;
    record.hwnd = parent;
    record.uId = reinterpret_cast<UINT_PTR>(parent);
    record.lpszText = buffer;
    SendMessageA(tip, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&record));
    return buffer;
}

UINT ToolFlagsOf(HWND tip) {
    TTTOOLINFOA record = {};
    record.cbSize = TTTOOLINFOA_V2_SIZE;
    if (!SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&record))) return 0;
    return record.uFlags;
}

class BalloonToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadTooltipControls());
        parent_ = CreateWindowExA(0, "STATIC", "parent", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }
    HWND parent_ = nullptr;
};

}  // namespace

TEST_F(BalloonToolTipTest, ShowBalloonInfoMakesAVisibleGreenTrackingBalloon) {
    CBalloonToolTip tip;
    tip.ShowBalloonInfo(parent_, "Tessarin", "Read the document", 1500, 1500);
    Pump();
    HWND window = tip.TipWindow();
    ASSERT_NE(window, nullptr);
    char cls[64] = "";
    GetClassNameA(window, cls, sizeof cls);
    EXPECT_STREQ("tooltips_class32", cls);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(tip.Shown());
    EXPECT_TRUE(tip.CloseBox());
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(static_cast<UINT>(289), ToolFlagsOf(window));
    EXPECT_EQ(0xC0FFC0u, static_cast<unsigned>(SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0)));
    EXPECT_EQ(GetSysColor(COLOR_INFOTEXT), static_cast<COLORREF>(SendMessageA(window, TTM_GETTIPTEXTCOLOR, 0, 0)));
    EXPECT_EQ(10000, SendMessageA(window, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    EXPECT_EQ("Read the document", ToolText(window, parent_));
    EXPECT_GT(SendMessageA(window, TTM_GETMAXTIPWIDTH, 0, 0), 0);  // line breaks show
}

TEST_F(BalloonToolTipTest, TextChangesInPlaceAndDestroyRemovesTheWindow) {
    CBalloonToolTip tip;
    tip.ShowBalloonInfo(parent_, "Title", "first", 0, 0);
    HWND window = tip.TipWindow();
    tip.SetTipText("second");
    EXPECT_EQ(window, tip.TipWindow());
    EXPECT_EQ("second", ToolText(window, parent_));
    tip.ReloadBalloonInfo("third", 300, 300);
    EXPECT_EQ("third", ToolText(window, parent_));
    tip.Destroy();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(tip.Shown());
    tip.Destroy();  // without a window: only Shown is cleared
    EXPECT_EQ(nullptr, tip.TipWindow());
}

TEST_F(BalloonToolTipTest, ShownIsClearedByDestroyOnAnInstanceWithoutWindow) {
    CBalloonToolTip tip;
    tip.SetShown(true);
    tip.Destroy();
    EXPECT_FALSE(tip.Shown());
}

TEST_F(BalloonToolTipTest, InfoWrapsAtTheGivenLengthAndLongTextsAreCut) {
    CBalloonToolTip tip;
    tip.ShowBalloonInfo(parent_, "T", "one two three four five six seven eight nine ten eleven twelve", 0, 0, 20);
    EXPECT_NE(std::string::npos, tip.TipText().find("\r\n"));
    EXPECT_EQ(tip.TipText(), ToolText(tip.TipWindow(), parent_));
    tip.ShowBalloonInfo(parent_, std::string(500, 't'), std::string(10000, 'x'), 0, 0);
    EXPECT_EQ(10000u, tip.TipText().size());
    Pump();
    EXPECT_TRUE(IsWindowVisible(tip.TipWindow()));
    // The cut text keeps the balloon on the screen.
    RECT balloon = {};
    GetWindowRect(tip.TipWindow(), &balloon);
    EXPECT_LT(balloon.bottom - balloon.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_LT(balloon.right - balloon.left, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(BalloonToolTipTest, WarningAndErrorLooks) {
    CBalloonToolTip tip;
    tip.ShowBalloonWarning(parent_, "Careful", "warned", 0, 0);
    EXPECT_EQ(0xC0FFFFu, static_cast<unsigned>(SendMessageA(tip.TipWindow(), TTM_GETTIPBKCOLOR, 0, 0)));
    EXPECT_EQ(0xC00000u, static_cast<unsigned>(SendMessageA(tip.TipWindow(), TTM_GETTIPTEXTCOLOR, 0, 0)));
    EXPECT_TRUE(tip.PopupOnDemand());
    tip.ShowBalloonError(parent_, "Wrong", "failed", 0, 0);
    EXPECT_EQ(0xFFFFC0u, static_cast<unsigned>(SendMessageA(tip.TipWindow(), TTM_GETTIPBKCOLOR, 0, 0)));
    EXPECT_EQ(0x0000FFu, static_cast<unsigned>(SendMessageA(tip.TipWindow(), TTM_GETTIPTEXTCOLOR, 0, 0)));
    tip.BalloonWarningSetup(parent_, "Hover", "on hover");
    EXPECT_FALSE(tip.PopupOnDemand());
    EXPECT_EQ(static_cast<UINT>(17), ToolFlagsOf(tip.TipWindow()));
}

TEST_F(BalloonToolTipTest, HoverTipIsNotShownByShow) {
    CBalloonToolTip tip;
    tip.SetTipText("hover");
    tip.SetCentered(true);
    ASSERT_TRUE(tip.CreateToolTip(parent_));
    EXPECT_EQ(static_cast<UINT>(19), ToolFlagsOf(tip.TipWindow()));
    EXPECT_EQ(100, SendMessageA(tip.TipWindow(), TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    tip.Show(10, 10);
    Pump();
    EXPECT_FALSE(IsWindowVisible(tip.TipWindow()));
    tip.SetVisibleTime(2500);
    EXPECT_EQ(2500, SendMessageA(tip.TipWindow(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
}

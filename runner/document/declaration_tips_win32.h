// The declaration window's tip slots over the balloon tooltip class.
#pragma once

#include <windows.h>

#include <string>

#include "runner/document/declaration_tips.h"
#include "shared/tips/balloon_tooltip_win32.h"

// One slot: an information balloon of the owner window.
class BalloonTipSlot : public TipSlot {
public:
    explicit BalloonTipSlot(HWND owner) : owner_(owner) {}
    void ShowBalloonInfo(const std::string& title, const std::string& text, long x, long y) override {
        tip_.ShowBalloonInfo(owner_, title, text, x, y);
    }
    bool Shown() const override { return tip_.Shown(); }
    void Destroy() override { tip_.Destroy(); }
    const CBalloonToolTip& Tip() const { return tip_; }

private:
    HWND owner_;
    CBalloonToolTip tip_;
};

// The window's three slots (0 stays empty) with the rules over them.
struct WindowTips {
    explicit WindowTips(HWND owner, const SettingsStore& settings)
        : Slot1(owner), Slot2(owner), Rules(settings, Slot1, Slot2) {}
    BalloonTipSlot Slot1;  // the document tip
    BalloonTipSlot Slot2;  // the hover tip
    DeclarationTips Rules;
};

// The pointer of a mouse message to a child, in twips of the child, and the
// child's place in twips of the owner's inner area.
struct ControlPointer {
    long X = 0, Y = 0;
    TwipRect Control;
};
ControlPointer PointerOver(HWND owner, HWND control, LPARAM childPoint, int twipsPerPixel);

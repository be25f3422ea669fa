#include "runner/document/declaration_tips.h"

#include "runner/answer/reading_gate.h"
#include "runner/window/window_settings.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

std::string TipText(const std::string& raw) { return ReplaceFirst(raw, "<br>", "\r\n"); }

bool InsideInnerArea(long x, long y, long width, long height, long near, long far) {
    return x >= near && x <= width - far && y >= near && y <= height - far;
}

DeclarationTips::DeclarationTips(const SettingsStore& settings, TipSlot& documentTip, TipSlot& hoverTip)
    : settings_(settings), document_(documentTip), hover_(hoverTip) {}

bool DeclarationTips::TipsEnabled() const { return IsYes(GetSettingItem("BalloonTip", settings_)); }

void DeclarationTips::SetupTips(bool eyeVisible, const TwipRect& eye, const std::string& windowCaption) {
    if (TipsEnabled()) ShowDocumentTip(eyeVisible, eye, windowCaption);
}

void DeclarationTips::ShowDocumentTip(bool eyeVisible, const TwipRect& eye, const std::string& windowCaption) {
    if (!eyeVisible) return;
    const bool titleBar = IsYes(GetSettingItem("TitleBar", settings_));
    const long x = eye.Left + eye.Width / 2;
    const long y = titleBar ? eye.Top : eye.Top + 200;
    document_.ShowBalloonInfo(windowCaption, TipText(GetSettingValue("Document Tip", settings_)), x, y);
}

void DeclarationTips::DismissDocumentTip() {
    if (TipsEnabled()) document_.Destroy();
}

void DeclarationTips::HoverButton(int index, long x, long y, const TwipRect& button, bool boxTicked,
                                  const std::string& caption, bool readingHeld) {
    if (!TipsEnabled()) return;
    if (!InsideInnerArea(x, y, button.Width, button.Height, 20, 20)) {
        hover_.Destroy();
        return;
    }
    std::string raw;
    if (index != 0) raw = GetSettingOrDefault("Button2 Tip", "I decline it", settings_);
    else if (readingHeld) raw = kScrollToEndTip;
    else if (boxTicked) raw = GetSettingOrDefault("Button1 Tip", "I accept it", settings_);
    else raw = GetSettingOrDefault("Button1 Disable Tip", "I accept it", settings_);
    if (hover_.Shown()) return;
    hover_.ShowBalloonInfo(caption, TipText(raw), button.Left + button.Width / 2, button.Top);
}

bool DeclarationTips::HoverCheckBox(long x, long y, const TwipRect& box, const std::string& caption,
                                    bool leftButtonDown, const std::string& fullCaption) {
    if (TipsEnabled()) {
        if (!InsideInnerArea(x, y, box.Width, box.Height, 10, 1)) {
            hover_.Destroy();
        } else if (!hover_.Shown()) {
            std::string text = TipText(GetSettingValue("CheckBox Tip", settings_));
            // A balloon title is short: the whole of a cut caption goes in the text.
            if (!fullCaption.empty() && fullCaption != caption)
                text = text.empty() ? fullCaption : fullCaption + "\r\n\r\n" + text;
            hover_.ShowBalloonInfo(caption, text, box.Left + box.Width / 2, box.Top + box.Height / 2);
        }
    }
    return leftButtonDown;
}

void DeclarationTips::HoverHistoryButton(long x, long y, const TwipRect& button, const std::string& title,
                                         const std::string& text) {
    if (!TipsEnabled()) return;
    if (!InsideInnerArea(x, y, button.Width, button.Height, 50, 50)) {
        hover_.Destroy();
        return;
    }
    if (hover_.Shown()) return;
    hover_.ShowBalloonInfo(title, text, button.Left + button.Width / 2, button.Top + button.Height / 2);
}

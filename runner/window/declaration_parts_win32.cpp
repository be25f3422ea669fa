#include "runner/window/declaration_parts_win32.h"

#include "runner/window/picture_control_win32.h"
#include "runner/window/picture_resources_win32.h"
#include "runner/speech/speech_engine_win32.h"
#include "runner/document/window_menus_win32.h"
#include "shared/docview/document_view.h"
#include "shared/win32/window_helpers.h"

namespace {

int ShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftKey : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrlKey : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltKey : 0);
}

int IndexOf(const HWND (&controls)[2], HWND control) {
    if (control && control == controls[0]) return 0;
    if (control && control == controls[1]) return 1;
    return -1;
}

}  // namespace

DeclarationParts::DeclarationParts(DeclarationPartsContext context)
    : c_(std::move(context)), history_(*c_.History), narration_(*c_.Settings, *c_.UserSettings, menu_) {
    narration_.DocumentText = [this] { return c_.View ? c_.View->BodyText() : std::string(); };
    tips_ = std::make_unique<WindowTips>(c_.Controls.Window, *c_.Settings);
}

bool DeclarationParts::ComposeSpeaker() {
    auto engine = c_.MakeSpeechEngine ? c_.MakeSpeechEngine() : CreateSapiVoice();
    narration_.SetSpeaker(std::move(engine));
    UpdateSpeakerPicture();
    return narration_.Visible();
}

void DeclarationParts::ConnectHistory() {
    if (!c_.View) return;
    c_.View->BeforeNavigate = [this](const std::string& url, bool&) {
        if (history_.BeforeNavigate(url, c_.View->LocationURL())) DismissDocumentTip();
        ShowHistoryPictures();
    };
}

void DeclarationParts::SetHistoryButtonsDisabled() {
    history_.SetHistoryButton(0, false);
    history_.SetHistoryButton(1, false);
    ShowHistoryPictures();
}

void DeclarationParts::ShowHistoryPictures() {
    for (int i = 0; i < 2; ++i)
        if (c_.Controls.DocHist[i])
            SetPicture(c_.Controls.DocHist[i], &c_.Pictures->Picture(history_.Button(i).Picture));
}

void DeclarationParts::SetupTips() {
    // A balloon shown before its window is on the screen ends up beneath it:
    // it waits for the first tick after the window shows.
    if (!IsWindowVisible(c_.Controls.Window)) {
        documentTipDue_ = true;
        return;
    }
    documentTipDue_ = false;
    HWND eye = c_.Controls.Eye;
    const bool eyeVisible = eye && IsWindowVisible(eye);
    tips_->Rules.SetupTips(eyeVisible, eyeVisible ? Pointer(eye).Control : TwipRect(), WindowText(c_.Controls.Window));
}

ControlPointer DeclarationParts::Pointer(HWND control) const {
    POINT at = {};
    GetCursorPos(&at);
    ScreenToClient(control, &at);
    return PointerOver(c_.Controls.Window, control, MAKELPARAM(at.x, at.y), c_.TwipsPerPixel);
}

void DeclarationParts::DismissDocumentTip() {
    tips_->Rules.DismissDocumentTip();
    if (c_.Controls.Eye) ShowWindow(c_.Controls.Eye, SW_HIDE);
}

void DeclarationParts::UpdateSpeakerPicture() {
    if (!c_.Controls.Speaker) return;
    if (!narration_.Visible()) {
        ShowWindow(c_.Controls.Speaker, SW_HIDE);
        return;
    }
    const int picture = SpeakerPicture(narration_.Reading(), overSpeaker_);
    if (picture == speakerPicture_) return;
    speakerPicture_ = picture;
    SetPicture(c_.Controls.Speaker, &c_.Pictures->Picture(picture));
}

void DeclarationParts::PressHistoryButton(int index) {
    tips_->Slot1.Destroy();
    const std::string entry = history_.Press(index, ShiftState(), c_.View ? c_.View->LocationURL() : std::string());
    if (!entry.empty() && c_.NavigateTo) c_.NavigateTo(entry);
    ShowHistoryPictures();
}

void DeclarationParts::ClickSpeaker() {
    tips_->Slot1.Destroy();
    tips_->Slot2.Destroy();
    narration_.SpeakerClick();
    UpdateSpeakerPicture();
}

void DeclarationParts::OpenSpeakerMenu() {
    narration_.PrepareSpeakerMenu();
    POINT at = {};
    GetCursorPos(&at);
    const SpeakerMenuChoice choice = ShowSpeakerMenu(c_.Controls.Window, menu_, at);
    switch (choice.Kind) {
    case SpeakerMenuKind::HideSpeaker: narration_.HideSpeaker(); break;
    case SpeakerMenuKind::Voice: narration_.ChooseVoice(choice.Item); break;
    case SpeakerMenuKind::Volume: narration_.ChooseVolume(choice.Item); break;
    case SpeakerMenuKind::Rate: narration_.ChooseRate(choice.Item); break;
    case SpeakerMenuKind::None: break;
    }
    UpdateSpeakerPicture();
}

bool DeclarationParts::OnPictureNotification(HWND control, int code) {
    const DeclarationPartsControls& k = c_.Controls;
    if (!control) return false;
    if (control == k.Eye) {
        if (code == PCN_CLICKED) DismissDocumentTip();
        return code == PCN_CLICKED;
    }
    if (control == k.Speaker) {
        if (code == PCN_CLICKED) ClickSpeaker();
        else if (code == PCN_RIGHTCLICK) OpenSpeakerMenu();
        else if (code == PCN_MOUSEMOVE || code == PCN_MOUSELEAVE) {
            overSpeaker_ = code == PCN_MOUSEMOVE;
            UpdateSpeakerPicture();
        } else {
            return false;
        }
        return true;
    }
    const int history = IndexOf(k.DocHist, control);
    if (history >= 0) {
        if (code == PCN_MOUSEDOWN) {
            PressHistoryButton(history);
        } else if (code == PCN_MOUSEMOVE) {
            const ControlPointer p = Pointer(control);
            const HistoryTip tip = history_.Tip(history);
            tips_->Rules.HoverHistoryButton(p.X, p.Y, p.Control, tip.Title, tip.Text);
        } else if (code == PCN_MOUSELEAVE) {
            tips_->Slot2.Destroy();
        } else {
            return false;
        }
        return true;
    }
    const int button = IndexOf(k.Button, control);
    if (button >= 0 && (code == PCN_MOUSEMOVE || code == PCN_MOUSELEAVE)) {
        if (code == PCN_MOUSELEAVE) {
            tips_->Slot2.Destroy();
            return false;  // the window may want the leave as well
        }
        const ControlPointer p = Pointer(control);
        const bool ticked = SendMessageA(k.CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const bool held = c_.ReadingHeld && c_.ReadingHeld();
        tips_->Rules.HoverButton(button, p.X, p.Y, p.Control, ticked, WindowText(k.ButtonCaption[button]), held);
        return false;
    }
    return false;
}

void DeclarationParts::HoverCheckBox() {
    HWND box = c_.Controls.CheckBox;
    const ControlPointer p = Pointer(box);
    const bool leftDown = GetKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
    const std::string full = c_.FullCheckCaption ? c_.FullCheckCaption() : std::string();
    if (!tips_->Rules.HoverCheckBox(p.X, p.Y, p.Control, WindowText(c_.Controls.CheckCaption), leftDown, full)) return;
    if (!c_.CheckBoxTicked || SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    if (c_.CheckBoxTicked) c_.CheckBoxTicked();
}

void DeclarationParts::OnSetCursor(HWND over, UINT mouseMessage) {
    if (mouseMessage != WM_MOUSEMOVE) return;
    const DeclarationPartsControls& k = c_.Controls;
    if (over && over == k.CheckBox) {
        HoverCheckBox();
        return;
    }
    // Elsewhere than on a control with a hover tip: no hover tip stays up.
    if (IndexOf(k.Button, over) < 0 && IndexOf(k.DocHist, over) < 0 && tips_->Slot2.Shown()) tips_->Slot2.Destroy();
}

void DeclarationParts::OnTimer() {
    if (documentTipDue_ && IsWindowVisible(c_.Controls.Window)) SetupTips();
    narration_.SpeakAtStart();
    narration_.Tick();
    UpdateSpeakerPicture();
}

#include "runner/answer/declaration_answer_win32.h"

#include <string>

#include "runner/answer/close_effects_win32.h"
#include "runner/window/declaration_ids.h"
#include "runner/window/declaration_state_win32.h"
#include "runner/lockdown/lockdown_win32.h"
#include "runner/window/picture_control_win32.h"
#include "runner/answer/response_recorder.h"
#include "runner/start/run_control.h"
#include "shared/file_routines.h"
#include "shared/identity.h"
#include "shared/win32/window_helpers.h"
#include "runner/answer/pending_records.h"
#include "shared/file_routines.h"

namespace {

const char kDragTickedProp[] = "TsrDragTicked";

class WindowResponseSystem : public ResponseSystem {
public:
    explicit WindowResponseSystem(DeclarationState& s) : s_(s) {}
    std::string GeneralDateNow() override {
        char date[80] = {}, time[80] = {};
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
        return std::string(date) + " " + time;
    }
    std::string AdapterAddress(int kind) override { return GetAdapterAddress(kind); }
    std::string DocumentDetails() override { return s_.Selection->GetDocumentDetails(); }
    bool LibraryPresent() override { return s_.Library->Present(); }
    bool LibrarySaveDoc(const std::string& text) override { return s_.Library->SaveDoc(text); }
    bool ReplaceFile(const std::string& path, const std::string& content) override {
        return ReplaceFileAtomically(path, content);
    }

private:
    DeclarationState& s_;
};

class WindowAnswerActions : public AnswerActions {
public:
    WindowAnswerActions(HWND window, DeclarationState& s) : window_(window), s_(s) {}

    void SaveProfileSettings() override { s_.Run->SaveProfileSettings(); }
    void RecordResponse(const std::string& response) override {
        ResponseRequest request;
        request.ScreenSaverMode = s_.Run->IsScreenSaverMode();
        request.ProfileUser = s_.Run->ProfileUserName();
        request.BoxTicked = s_.Answer->BoxTicked();
        request.CheckCaption = WindowText(s_.Control.CheckCaption);
        request.Response = response;
        request.PendingFolder = PendingRecordFolder(LocalAppDataFolder());
        WindowResponseSystem system(s_);
        ::RecordResponse(request, s_.Run->Settings, s_.Run->AppFolder(), system);
    }
    bool SpeakerVisible() const override { return IsWindowVisible(s_.Control.Speaker) != FALSE; }
    void Speak(const std::string& text) override {
        if (s_.SpeakText) s_.SpeakText(text);
    }
    void StopSpeaking() override {
        if (s_.StopSpeaking) s_.StopSpeaking();
    }
    void HideDocumentParts() override {
        ShowWindow(s_.Control.Eye, SW_HIDE);
        ShowWindow(s_.Control.Logo, SW_HIDE);
        ShowWindow(s_.View->Window(), SW_HIDE);
    }
    void PlayCloseEffect(int answer) override {
        ::PlayCloseEffect(window_, GetSettingItem("CloseAction", s_.Run->Settings), answer);
    }
    void UpdateLastRun() override { s_.Run->UpdateLastRun(); }
    void ShowTaskbarWindow() override { ::ShowTaskbarWindow(); }
    void RunDeclineAction() override { ::RunDeclineAction(*s_.Library); }
    void Unload() override { PostMessageA(window_, WM_TSR_UNLOAD_NOW, 0, 0); }
    void ShowButtonPicture(int index, DeclarationPicture picture) override {
        SetPicture(s_.Control.Button[index == kAcceptButton ? 0 : 1], &s_.Pictures->Picture(picture));
    }
    void SetCheckBox(bool ticked) override {
        SendMessageA(s_.Control.CheckBox, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

private:
    HWND window_;
    DeclarationState& s_;
};

// The check box ticks when the mouse moves over it with the left button
// down. The release that ends such a drag must not toggle it back.
LRESULT CALLBACK CheckBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(box, "TsrOriginalProc"));
    HWND window = GetParent(box);
    DeclarationState* s = StateOf(window);
    if (s && s->Answer) {
        if (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) && !s->Answer->BoxTicked()) {
            SetPropA(box, kDragTickedProp, reinterpret_cast<HANDLE>(1));
            s->Answer->CheckBoxDragged();
        } else if (message == WM_LBUTTONUP && GetPropA(box, kDragTickedProp)) {
            RemovePropA(box, kDragTickedProp);
            if (GetCapture() == box) ReleaseCapture();
            SendMessageA(box, BM_SETSTATE, FALSE, 0);
            return 0;
        }
    }
    if (message == WM_NCDESTROY) {
        RemovePropA(box, kDragTickedProp);
        RemovePropA(box, "TsrOriginalProc");
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }
    return CallWindowProcA(original, box, message, wParam, lParam);
}

void WatchCheckBoxDrag(HWND box) {
    const LONG_PTR original = SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckBoxProc));
    SetPropA(box, "TsrOriginalProc", reinterpret_cast<HANDLE>(original));
}

bool IsTicked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void OnButtonNotification(DeclarationState& s, int index, int code) {
    switch (code) {
    case PCN_MOUSEDOWN: s.Answer->MouseDown(index); break;
    case PCN_MOUSEUP: s.Answer->MouseUp(index); break;
    case PCN_CLICKED: s.Answer->Click(index, WindowText(s.Control.ButtonCaption[index])); break;
    }
}

}  // namespace

void SetUpAnswer(HWND window, DeclarationState& s) {
    s.Library = std::make_unique<TsrLibrary>(s.Run->AppFolder());
    s.Actions = std::make_unique<WindowAnswerActions>(window, s);
    s.Answer = std::make_unique<AnswerButtons>(*s.Actions, IsTicked(s.Control.CheckBox), s.Composition.AcceptEnabled,
                                               WindowText(s.Control.CheckCaption));
    WatchCheckBoxDrag(s.Control.CheckBox);
}

bool OnAnswerCommand(HWND, DeclarationState& s, int id, int code) {
    if (!s.Answer) return false;
    switch (id) {
    case IDC_CHK_READ:
        if (code == BN_CLICKED) s.Answer->CheckBoxClicked(IsTicked(s.Control.CheckBox));
        return true;
    case IDC_LBL_CHK_CAPTION:
        if (code == STN_CLICKED) s.Answer->CheckCaptionClicked();
        return true;
    case IDC_LBL_MSG:
        if (code == STN_CLICKED) s.Answer->MessageClicked(WindowText(s.Control.Message));
        return true;
    case IDC_IMG_BUTTON_0: OnButtonNotification(s, kAcceptButton, code); return true;
    case IDC_IMG_BUTTON_1: OnButtonNotification(s, kDeclineButton, code); return true;
    }
    return false;
}

#include "runner/answer/declaration_answer_win32.h"

#include <memory>
#include <string>

#include "runner/answer/answer_database.h"
#include "runner/answer/answer_database_win32.h"
#include "runner/answer/close_effects_win32.h"
#include "runner/answer/pending_records.h"
#include "runner/answer/response_recorder.h"
#include "runner/answer/tsr_library_win32.h"
#include "runner/document/document_selection.h"
#include "runner/lockdown/lockdown_win32.h"
#include "runner/start/run_control.h"
#include "runner/window/declaration_ids.h"
#include "runner/window/declaration_window_win32.h"
#include "runner/window/picture_resources_win32.h"
#include "shared/file_routines.h"
#include "shared/identity.h"
#include "shared/sha256.h"
#include "shared/win32/subclass.h"
#include "shared/win32/window_helpers.h"

namespace {

class WindowResponseSystem : public ResponseSystem {
public:
    WindowResponseSystem(DeclarationWindow& window, TsrLibrary& library) : window_(window), library_(library) {}
    std::string GeneralDateNow() override {
        char date[80] = {}, time[80] = {};
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
        return std::string(date) + " " + time;
    }
    std::string AdapterAddress(int kind) override { return GetAdapterAddress(kind); }
    std::string DocumentDetails() override { return window_.Selection().GetDocumentDetails(); }
    bool LibraryPresent() override { return library_.Present(); }
    bool LibrarySaveDoc(const std::string& text) override { return library_.SaveDoc(text); }
    bool ReplaceFile(const std::string& path, const std::string& content) override {
        return ReplaceFileAtomically(path, content);
    }

private:
    DeclarationWindow& window_;
    TsrLibrary& library_;
};

// The database row of an answer whose record was just made.
AnswerRow MakeAnswerRow(const RecordFacts& facts, const std::string& user, const std::string& response,
                        const std::string& documentLocation) {
    AnswerRow row;
    row.User = user;
    row.Machine = MachineName();
    row.Id = MakeAnswerRowId(AnswerUniqueText(row.Machine, user));
    row.Ip = facts.IpAddress;
    row.Mac = facts.HardwareAddress;
    row.Answer = response;
    row.LocalTime = facts.DateTime;
    row.UtcTime = UtcTimeNow();
    row.DocumentPath = DocumentPathFromLocation(documentLocation);
    row.DocumentSha256 = FileSha256Hex(row.DocumentPath);
    row.Version = TSR_PROGRAM_VERSION;
    return row;
}

class WindowAnswerActions : public AnswerActions {
public:
    WindowAnswerActions(DeclarationWindow& window, TsrLibrary& library, const std::unique_ptr<AnswerButtons>& buttons,
                        AnswerRowDelivery& delivery)
        : window_(window), library_(library), buttons_(buttons), delivery_(delivery) {}

    void SaveProfileSettings() override { window_.Run().SaveProfileSettings(); }
    void RecordResponse(const std::string& response) override {
        RunControl& run = window_.Run();
        ResponseRequest request;
        request.ScreenSaverMode = run.IsScreenSaverMode();
        request.ProfileUser = run.ProfileUserName();
        request.BoxTicked = buttons_->BoxTicked();
        request.CheckCaption = WindowText(window_.Controls().CheckCaption);
        request.Response = response;
        request.PendingFolder = PendingRecordFolder(LocalAppDataFolder());
        WindowResponseSystem system(window_, library_);
        RecordFacts facts;
        ::RecordResponse(request, run.Settings, run.AppFolder(), system, &facts);
        // The record itself is made and stored first: the database only adds
        // to it. The row is sent while the window goes on closing.
        const std::string database = RecordDatabase(run.Settings);
        if (facts.Made && !database.empty())
            delivery_.Start(database, MakeAnswerRow(facts, request.ProfileUser, response, window_.DocumentLocation()));
    }
    bool SpeakerVisible() const override { return IsWindowVisible(window_.Controls().Speaker.Hwnd()) != FALSE; }
    void Speak(const std::string& text) override { window_.Speak(text); }
    void StopSpeaking() override { window_.StopSpeaking(); }
    void HideDocumentParts() override {
        ShowWindow(window_.Controls().Eye.Hwnd(), SW_HIDE);
        ShowWindow(window_.Controls().Logo.Hwnd(), SW_HIDE);
        window_.HideDocument();
    }
    void PlayCloseEffect(int answer) override {
        ::PlayCloseEffect(window_.Hwnd(), GetSettingItem("CloseAction", window_.Run().Settings), answer);
    }
    void UpdateLastRun() override {
        // The version accepted goes to the profile with the date.
        window_.Run().RecordAcceptedDocument(window_.Selection().SelectedPath());
        window_.Run().UpdateLastRun();
    }
    void ShowTaskbarWindow() override { ::ShowTaskbarWindow(); }
    void RunDeclineAction() override {
        // A log-off or shutdown must not cut the row's send short.
        delivery_.Finish();
        ::RunDeclineAction(library_);
    }
    void Unload() override { PostMessageA(window_.Hwnd(), WM_TSR_UNLOAD_NOW, 0, 0); }
    void ShowButtonPicture(int index, DeclarationPicture picture) override {
        window_.Controls().Button[index == kAcceptButton ? 0 : 1].SetPicture(&window_.Pictures().Picture(picture));
    }
    void SetCheckBox(bool ticked) override {
        SendMessageA(window_.Controls().CheckBox, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void EnableCheckBox(bool enabled) override { EnableWindow(window_.Controls().CheckBox, enabled ? TRUE : FALSE); }

private:
    DeclarationWindow& window_;
    TsrLibrary& library_;
    const std::unique_ptr<AnswerButtons>& buttons_;  // made after the actions, which they call
    AnswerRowDelivery& delivery_;
};

bool IsTicked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

DeclarationAnswer::DeclarationAnswer(DeclarationWindow& window) : window_(window) {}

DeclarationAnswer::~DeclarationAnswer() = default;

void DeclarationAnswer::SetUp() {
    const DeclarationControls& controls = window_.Controls();
    library_ = std::make_unique<TsrLibrary>(window_.Run().AppFolder());
    actions_ = std::make_unique<WindowAnswerActions>(window_, *library_, buttons_, delivery_);
    buttons_ = std::make_unique<AnswerButtons>(*actions_, IsTicked(controls.CheckBox),
                                               window_.Composition().AcceptEnabled, WindowText(controls.CheckCaption));
    SubclassWindow(controls.CheckBox, &DeclarationAnswer::CheckBoxProc);
    gate_ = ReadingGate(IsOptedIn("Require Reading To End", window_.Run().Settings));
    if (gate_.Required()) buttons_->HoldForReading();
}

void DeclarationAnswer::OnTimer() {
    if (!buttons_ || !buttons_->ReadingHeld()) return;
    // The timer runs every millisecond; a browser control's page is asked
    // over COM, so a look every 50 ms is plenty for a scrolling reader.
    const DWORD now = GetTickCount();
    if (lastLook_ != 0 && now - lastLook_ < 50) return;
    lastLook_ = now;
    long top = 0, view = 0, page = 0;
    if (!window_.DocumentScrollState(top, view, page) || !gate_.Update(top, view, page)) gate_.NoPosition(now);
    if (gate_.MayAccept()) buttons_->ReadingDone();
}

// The check box ticks when the mouse moves over it with the left button
// down. The release that ends such a drag must not toggle it back.
bool DeclarationAnswer::OnCheckBoxMouse(HWND box, UINT message, WPARAM wParam) {
    if (!buttons_) return false;
    if (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) && !buttons_->BoxTicked()) {
        dragTicked_ = true;
        buttons_->CheckBoxDragged();
    } else if (message == WM_LBUTTONUP && dragTicked_) {
        dragTicked_ = false;
        if (GetCapture() == box) ReleaseCapture();
        SendMessageA(box, BM_SETSTATE, FALSE, 0);
        return true;
    }
    return false;
}

LRESULT CALLBACK DeclarationAnswer::CheckBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = Window::FromHwnd<DeclarationWindow>(GetParent(box));
    if (window && window->Answer().OnCheckBoxMouse(box, message, wParam)) return 0;
    return CallOriginalProc(box, message, wParam, lParam);
}

void DeclarationAnswer::OnButtonNotification(int index, int code) {
    switch (code) {
    case PCN_MOUSEDOWN: buttons_->MouseDown(index); break;
    case PCN_MOUSEUP: buttons_->MouseUp(index); break;
    case PCN_CLICKED: buttons_->Click(index, WindowText(window_.Controls().ButtonCaption[index])); break;
    }
}

bool DeclarationAnswer::OnCommand(int id, int code) {
    if (!buttons_) return false;
    const DeclarationControls& controls = window_.Controls();
    switch (id) {
    case IDC_CHK_READ:
        if (code == BN_CLICKED) buttons_->CheckBoxClicked(IsTicked(controls.CheckBox));
        return true;
    case IDC_LBL_CHK_CAPTION:
        if (code == STN_CLICKED) buttons_->CheckCaptionClicked();
        return true;
    case IDC_LBL_MSG:
        if (code == STN_CLICKED) buttons_->MessageClicked(WindowText(controls.Message));
        return true;
    case IDC_IMG_BUTTON_0: OnButtonNotification(kAcceptButton, code); return true;
    case IDC_IMG_BUTTON_1: OnButtonNotification(kDeclineButton, code); return true;
    }
    return false;
}

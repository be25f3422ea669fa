// A stand-in for the declaration window's bottom row, for the end-to-end
// scenarios of the tips, the document history and the speaker: a reader view
// with links, the eye, the check box, accept and decline, the history
// buttons and the speaker, wired as the declaration window wires them.
// Usage: tips_demo.exe SETTINGS-FILE DOCUMENT [fake-voices]
// With fake-voices the speaker uses a stand-in engine with two voices (and
// "Sample TTS Voice") that takes 300 ms per text and appends every text to
// SETTINGS-FILE.spoken. Accepting saves the profile store to
// SETTINGS-FILE.user. Exit codes: 0 closed, 3 accepted.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "runner/window/declaration_ids.h"
#include "runner/window/declaration_parts_win32.h"
#include "runner/window/picture_control_win32.h"
#include "runner/window/picture_resources_win32.h"
#include "shared/docview/document_view.h"
#include "shared/settings_store.h"
#include "shared/win32/window.h"
#include "shared/win32/window_helpers.h"

namespace {

const char kClassName[] = "TsrTipsDemo";
const UINT_PTR kTimerId = 1;

// Speaks nothing aloud: each text takes 300 ms and is written to a file.
class FakeVoices : public SpeechEngine {
public:
    explicit FakeVoices(std::string log) : log_(std::move(log)) {}
    std::vector<std::string> Voices() override { return {"Test Voice A", "Sample TTS Voice", "Test Voice B"}; }
    void SelectVoice(int index) override { Write("[voice " + std::to_string(index) + "]"); }
    void SetVolume(int volume) override { Write("[volume " + std::to_string(volume) + "]"); }
    void SetRate(int) override {}
    bool Speak(const std::string& text, bool purge) override {
        Write(purge ? "[purge] " + text : text);
        until_ = GetTickCount() + 300;
        return true;
    }
    bool IsSpeaking() override { return static_cast<LONG>(until_ - GetTickCount()) > 0; }

private:
    void Write(const std::string& line) {
        if (FILE* file = std::fopen(log_.c_str(), "ab")) {
            std::fprintf(file, "%s\r\n", line.c_str());
            std::fclose(file);
        }
    }
    std::string log_;
    DWORD until_ = 0;
};

struct Demo {
    std::string SettingsPath, Document;
    bool FakeVoices = false;
    SettingsStore Settings, UserSettings;
    std::vector<std::string> History;
    std::unique_ptr<PictureResources> Pictures;
    std::unique_ptr<DocumentView> View;
    DeclarationPartsControls Controls;
    std::unique_ptr<DeclarationParts> Parts;
    HFONT Font = nullptr;
    int ExitCode = 0;
};

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h,
           HFONT font) {
    HWND control = CreateChildControl(parent, cls, text, WS_VISIBLE | style, id);
    MoveWindow(control, x, y, w, h, FALSE);
    SetControlFont(control, font);
    return control;
}

HWND Picture(HWND parent, int id, const char* caption, int picture, int x, int y, int w, int h, Demo& d) {
    HWND control = CreatePictureControl(parent, id, caption, true);
    SetPicture(control, &d.Pictures->Picture(picture));
    MoveWindow(control, x, y, w, h, FALSE);
    ShowWindow(control, SW_SHOWNA);
    return control;
}

void SetAcceptPicture(Demo& d) {
    const bool ticked = SendMessageA(d.Controls.CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SetPicture(d.Controls.Button[0], &d.Pictures->Picture(ticked ? PIC_ACCEPT_ENABLED : PIC_ACCEPT_DISABLED));
}

void Compose(HWND window, Demo& d) {
    DeclarationPartsControls& k = d.Controls;
    k.Window = window;
    d.Font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    d.Pictures = std::make_unique<PictureResources>(GetModuleHandleA(nullptr), 96);
    d.View = CreateDocumentView(window, IDC_BWS_DECLARATION_DOC);
    MoveWindow(d.View->Window(), 20, 20, 860, 440, FALSE);
    k.Eye = Picture(window, IDC_IMG_EYE, "", PIC_EYE_FIRST, 20, 500, 60, 40, d);
    k.CheckBox = Child(window, "BUTTON", "", BS_AUTOCHECKBOX, IDC_CHK_READ, 100, 510, 16, 16, d.Font);
    k.CheckCaption = Child(window, "STATIC", "I  have read this document", SS_NOTIFY, IDC_LBL_CHK_CAPTION, 120, 510,
                           180, 18, d.Font);
    k.Button[0] = Picture(window, IDC_IMG_BUTTON_0, "Accept", PIC_ACCEPT_DISABLED, 320, 490, 100, 34, d);
    k.Button[1] = Picture(window, IDC_IMG_BUTTON_1, "Decline", PIC_DECLINE_RELEASED, 440, 490, 100, 34, d);
    k.ButtonCaption[0] =
        Child(window, "STATIC", "Accept", SS_CENTER, IDC_LBL_BUTTON_CAPTION_0, 320, 526, 100, 18, d.Font);
    k.ButtonCaption[1] =
        Child(window, "STATIC", "Decline", SS_CENTER, IDC_LBL_BUTTON_CAPTION_1, 440, 526, 100, 18, d.Font);
    k.DocHist[0] = Picture(window, IDC_IMG_DOC_HIST_0, "Previous", PIC_BACK_DISABLED, 580, 490, 40, 40, d);
    k.DocHist[1] = Picture(window, IDC_IMG_DOC_HIST_1, "Next", PIC_FORWARD_DISABLED, 640, 490, 40, 40, d);
    k.Speaker = Picture(window, IDC_IMG_SPEAKER, "Speaker", PIC_SPEAKER_NORMAL, 720, 490, 48, 48, d);

    DeclarationPartsContext context;
    context.Controls = k;
    context.Settings = &d.Settings;
    context.UserSettings = &d.UserSettings;
    context.View = d.View.get();
    context.History = &d.History;
    context.Pictures = d.Pictures.get();
    context.TwipsPerPixel = 15;
    Demo* demo = &d;
    context.NavigateTo = [demo](const std::string& path) {
        if (demo->View->LocationURL() != path) demo->View->Navigate(path);
    };
    context.CheckBoxTicked = [demo] { SetAcceptPicture(*demo); };
    if (d.FakeVoices)
        context.MakeSpeechEngine = [demo] { return std::make_unique<FakeVoices>(demo->SettingsPath + ".spoken"); };
    d.Parts = std::make_unique<DeclarationParts>(context);
    if (!d.Parts->ComposeSpeaker()) ShowWindow(k.Speaker, SW_HIDE);
    d.Parts->ConnectHistory();
    d.View->Navigate(d.Document);
    d.History.push_back(d.Document);
    d.Parts->SetHistoryButtonsDisabled();
    d.Parts->SetupTips();
}

LRESULT OnCommand(HWND window, Demo& d, WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    const int code = HIWORD(wParam);
    if (control == d.Controls.CheckBox && code == BN_CLICKED) {
        SetAcceptPicture(d);
        if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
            d.Parts->Narration().SpeakPhrase("I  have read this document");
        return 0;
    }
    if (d.Parts->OnPictureNotification(control, code)) return 0;
    if (control == d.Controls.Button[0] && code == PCN_CLICKED &&
        SendMessageA(d.Controls.CheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        d.Parts->Narration().SpeakAnswer("Accept");
        SaveSettingsFile(d.UserSettings, d.SettingsPath + ".user");
        d.ExitCode = 3;
        DestroyWindow(window);
    }
    return 0;
}

// The demo's one window, composed over the demo's state.
class DemoWindow : public Window {
public:
    explicit DemoWindow(Demo& demo) : d_(demo) {}
    bool Open() {
        RegisterPictureControl(GetModuleHandleA(nullptr));
        ClassInfo info;
        info.Name = kClassName;
        info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        return RegisterClassOnce(info) &&
               Create(kClassName, "Tips demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 40, 40, 910, 620, nullptr);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE:
            Compose(Hwnd(), d_);
            SetTimer(Hwnd(), kTimerId, 50, nullptr);
            return 0;
        case WM_COMMAND:
            if (d_.Parts) return OnCommand(Hwnd(), d_, wParam, lParam);
            break;
        case WM_SETCURSOR:
            if (d_.Parts) d_.Parts->OnSetCursor(reinterpret_cast<HWND>(wParam), HIWORD(lParam));
            break;
        case WM_TIMER:
            if (d_.Parts) d_.Parts->OnTimer();
            return 0;
        case WM_CLOSE:
            if (d_.Parts) d_.Parts->Narration().StopSpeaking();
            DestroyWindow(Hwnd());
            return 0;
        case WM_DESTROY:
            KillTimer(Hwnd(), kTimerId);
            d_.Parts.reset();
            PostQuitMessage(d_.ExitCode);
            return 0;
        default: break;
        }
        return DefaultHandling(message, wParam, lParam);
    }

private:
    Demo& d_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 2;
    Demo demo;
    demo.SettingsPath = __argv[1];
    demo.Document = __argv[2];
    demo.FakeVoices = __argc > 3 && std::string(__argv[3]) == "fake-voices";
    LoadSettingsFile(demo.SettingsPath, demo.Settings);
    DemoWindow window(demo);
    if (!window.Open()) return 1;
    ShowWindow(window.Hwnd(), SW_SHOW);
    UpdateWindow(window.Hwnd());
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

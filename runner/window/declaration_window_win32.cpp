#include "runner/window/declaration_window_win32.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "runner/window/colour.h"
#include "runner/answer/declaration_answer_win32.h"
#include "runner/lockdown/declaration_lockdown_win32.h"
#include "runner/window/declaration_state_win32.h"
#include "runner/lockdown/lockdown_win32.h"
#include "runner/window/declaration_ids.h"
#include "runner/document/document_selection.h"
#include "runner/window/layout.h"
#include "runner/window/picture_control_win32.h"
#include "runner/window/picture_pixels.h"
#include "runner/window/picture_resources_win32.h"
#include "runner/window/program_random.h"
#include "runner/start/run_control.h"
#include "runner/window/window_settings.h"
#include "shared/docview/document_view.h"
#include "shared/file_routines.h"
#include "shared/settings_store.h"
#include "shared/win32/handles.h"
#include "shared/win32/window_helpers.h"

namespace {

const char kClassName[] = "TessarinDeclaration";

// Designed sizes of the controls, in twips.
const long kButtonWidth = 1500, kButtonHeight = 510;
const long kEyeWidth = 900, kEyeHeight = 600;
const long kHistorySize = 600;
const long kLogoSize = 600;
const long kCheckBoxSize = 240;
const long kLabelHeight = 300;
const long kMessageHeight = 600;
const int kDesignedCaptionPoints = 10;

HFONT MakeFont(HWND window, int points, bool bold) { return CreatePointFont(window, points, bold, "Tahoma"); }

void CreateControls(HWND window, DeclarationState& s) {
    Controls& c = s.Control;
    c.Background = CreatePictureControl(window, IDC_IMG_BACKGROUND, "", false);
    s.View = CreateDocumentView(window, IDC_BWS_DECLARATION_DOC);
    c.Eye = CreatePictureControl(window, IDC_IMG_EYE, "", false);
    c.CheckBox = CreateChildControl(window, "BUTTON", "", BS_AUTOCHECKBOX | WS_TABSTOP, IDC_CHK_READ);
    c.CheckCaption = CreateChildControl(window, "STATIC", "", SS_LEFT | SS_NOTIFY, IDC_LBL_CHK_CAPTION);
    c.Button[0] = CreatePictureControl(window, IDC_IMG_BUTTON_0, "", true);
    c.Button[1] = CreatePictureControl(window, IDC_IMG_BUTTON_1, "", true);
    c.ButtonCaption[0] = CreateChildControl(window, "STATIC", "", SS_CENTER | SS_NOTIFY, IDC_LBL_BUTTON_CAPTION_0);
    c.ButtonCaption[1] = CreateChildControl(window, "STATIC", "", SS_CENTER | SS_NOTIFY, IDC_LBL_BUTTON_CAPTION_1);
    c.DocHist[0] = CreatePictureControl(window, IDC_IMG_DOC_HIST_0, "Previous", true);
    c.DocHist[1] = CreatePictureControl(window, IDC_IMG_DOC_HIST_1, "Next", true);
    c.Speaker = CreatePictureControl(window, IDC_IMG_SPEAKER, "Speaker", true);
    c.Message = CreateChildControl(window, "STATIC", "", SS_LEFT | SS_NOTIFY, IDC_LBL_MSG);
    c.Logo = CreatePictureControl(window, IDC_IMG_LOGO, "Tessarin", false);
    // The background lies under every other control.
    SetWindowPos(c.Background, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Texts, colours and switches in the composition order.
void ApplyComposition(HWND window, DeclarationState& s) {
    const WindowComposition& w = s.Composition;
    Controls& c = s.Control;
    SetWindowTextA(c.ButtonCaption[0], w.AcceptCaption.c_str());
    SetWindowTextA(c.Button[0], w.AcceptCaption.c_str());
    SetWindowTextA(c.ButtonCaption[1], w.DeclineCaption.c_str());
    SetWindowTextA(c.Button[1], w.DeclineCaption.c_str());
    SetWindowTextA(c.CheckCaption, w.CheckCaption.c_str());

    const int points = w.CaptionSize > 0 ? w.CaptionSize : kDesignedCaptionPoints;
    s.CaptionFont.Reset(MakeFont(window, points, true));
    s.CheckFont.Reset(MakeFont(window, 11, true));
    s.MessageFont.Reset(MakeFont(window, 9, false));
    for (HWND label : c.ButtonCaption) {
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(s.CaptionFont.Get()), FALSE);
        ShowWindow(label, w.CaptionsVisible ? SW_SHOWNA : SW_HIDE);
    }
    SendMessageA(c.CheckCaption, WM_SETFONT, reinterpret_cast<WPARAM>(s.CheckFont.Get()), FALSE);
    SendMessageA(c.Message, WM_SETFONT, reinterpret_cast<WPARAM>(s.MessageFont.Get()), FALSE);
    SetWindowTextA(c.Message, w.Message.c_str());
    ShowWindow(c.Message, SW_SHOWNA);

    PictureResources& p = *s.Pictures;
    SetPicture(c.Speaker, &p.Picture(PIC_SPEAKER_NORMAL));
    ShowWindow(c.Speaker, s.Parts->ComposeSpeaker() ? SW_SHOWNA : SW_HIDE);
    SetPicture(c.Eye, &p.Picture(PIC_EYE_FIRST));
    ShowWindow(c.Eye, w.Eye ? SW_SHOWNA : SW_HIDE);
    for (HWND button : c.DocHist) ShowWindow(button, w.HistoryButtons ? SW_SHOWNA : SW_HIDE);

    SendMessageA(c.CheckBox, BM_SETCHECK, w.BoxTicked ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowWindow(c.CheckBox, w.CheckBoxVisible ? SW_SHOWNA : SW_HIDE);
    ShowWindow(c.CheckCaption, w.CheckBoxVisible ? SW_SHOWNA : SW_HIDE);
    s.AcceptEnabled = w.AcceptEnabled;
    SetPicture(c.Button[0], &p.Picture(w.AcceptEnabled ? PIC_ACCEPT_ENABLED : PIC_ACCEPT_DISABLED));
    SetPicture(c.Button[1], &p.Picture(PIC_DECLINE_RELEASED));
    ShowWindow(c.Button[1], w.DeclineVisible ? SW_SHOWNA : SW_HIDE);
    ShowWindow(c.Button[0], w.AcceptVisible ? SW_SHOWNA : SW_HIDE);

    SetPicture(c.Logo, &p.Picture(PIC_LOGO));
    ShowWindow(c.Logo, SW_SHOWNA);
    ShowWindow(c.Background, SW_SHOWNA);
}

// The inner area's picture: the colour with the background drawing over it.
void ComposeBackground(HWND window, DeclarationState& s) {
    RECT client;
    GetClientRect(window, &client);
    s.BackgroundPixels = ComposeOverColour(s.Pictures->Picture(PIC_BACKGROUND), ScreenColour(s.Composition.Background),
                                           client.right, client.bottom);

    s.BackgroundBrush.Reset(nullptr);
    if (s.BackgroundPixels.Empty()) return;
    // A packed bottom-up DIB for the pattern brush that labels paint with.
    const int width = s.BackgroundPixels.Width, height = s.BackgroundPixels.Height;
    std::vector<unsigned char> packed(sizeof(BITMAPINFOHEADER) + static_cast<std::size_t>(width) * height * 4);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(packed.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = 32;
    header->biCompression = BI_RGB;
    auto* rows = reinterpret_cast<std::uint32_t*>(packed.data() + sizeof(BITMAPINFOHEADER));
    for (int y = 0; y < height; ++y)
        std::copy_n(&s.BackgroundPixels.Pixels[static_cast<std::size_t>(height - 1 - y) * width], width,
                    rows + static_cast<std::size_t>(y) * width);
    s.BackgroundBrush.Reset(CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
}

void Place(HWND control, const TwipRect& r, int tpp) {
    MoveWindow(control, TwipsToPixels(r.Left, tpp), TwipsToPixels(r.Top, tpp), TwipsToPixels(r.Width, tpp),
               TwipsToPixels(r.Height, tpp), FALSE);
}

void ShowHistoryButtons(DeclarationState& s, bool visible) {
    for (HWND button : s.Control.DocHist) ShowWindow(button, visible ? SW_SHOWNA : SW_HIDE);
}

void LayOut(HWND window, DeclarationState& s) {
    const WindowComposition& w = s.Composition;
    if (!w.TitleBar) RemoveTitleBar(window);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(window, nullptr, 0, 0, screenWidth, screenHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RECT client;
    GetClientRect(window, &client);
    const int tpp = s.TwipsPerPixel;

    LayoutInput in;
    in.WindowWidth = TwipsFromPixels(screenWidth, tpp);
    in.WindowHeight = TwipsFromPixels(screenHeight, tpp);
    in.InnerWidth = TwipsFromPixels(client.right, tpp);
    in.InnerHeight = TwipsFromPixels(client.bottom, tpp);
    in.ScreenHeight = in.WindowHeight;
    in.WidthMargin = w.WidthMargin;
    in.HeightMargin = w.HeightMargin;
    in.ButtonCaptionHeight = w.ButtonCaptionHeight;
    in.CaptionEmpty = GetWindowTextLengthA(window) == 0;
    in.DeclineVisible = w.DeclineVisible;
    in.SpeakerVisible = s.Parts->Narration().Visible();
    in.EyeVisible = w.Eye;
    in.CheckBoxVisible = w.CheckBoxVisible;
    in.HistoryVisible = w.HistoryButtons;
    in.AcceptWidth = in.DeclineWidth = kButtonWidth;
    in.AcceptHeight = in.DeclineHeight = kButtonHeight;
    const SIZE captionText = TextSize(s.Control.ButtonCaption[0], s.CaptionFont.Get(), "Ag");
    in.CaptionLabelHeight = std::max(kLabelHeight, TwipsFromPixels(captionText.cy + 2, tpp));
    const SIZE checkText = TextSize(s.Control.CheckCaption, s.CheckFont.Get(), w.CheckCaption);
    in.CheckCaptionWidth = TwipsFromPixels(checkText.cx + 4, tpp);
    in.CheckCaptionHeight = std::max(kLabelHeight, TwipsFromPixels(checkText.cy + 2, tpp));
    in.CheckBoxWidth = in.CheckBoxHeight = kCheckBoxSize;
    in.EyeWidth = kEyeWidth;
    in.EyeHeight = kEyeHeight;
    in.HistoryWidth = in.HistoryHeight = kHistorySize;
    in.MessageHeight = kMessageHeight;
    in.LogoWidth = in.LogoHeight = kLogoSize;
    const DeclarationLayout out = ComputeLayout(in);

    Place(s.Control.Background, out.Background, tpp);
    Place(s.View->Window(), out.Document, tpp);
    Place(s.Control.Button[0], out.Accept, tpp);
    Place(s.Control.Button[1], out.Decline, tpp);
    Place(s.Control.ButtonCaption[0], out.AcceptCaption, tpp);
    Place(s.Control.ButtonCaption[1], out.DeclineCaption, tpp);
    Place(s.Control.CheckCaption, out.CheckCaption, tpp);
    Place(s.Control.CheckBox, out.CheckBox, tpp);
    Place(s.Control.Eye, out.Eye, tpp);
    ComposeBackground(window, s);

    s.Selection->SelectDocument();

    Place(s.Control.Speaker, out.Speaker, tpp);
    Place(s.Control.DocHist[0], out.History[0], tpp);
    Place(s.Control.DocHist[1], out.History[1], tpp);
    Place(s.Control.Message, out.Message, tpp);
    Place(s.Control.Logo, out.Logo, tpp);
}

void MakeSelection(HWND window, DeclarationState& s) {
    DocumentSelectionHooks hooks;
    hooks.FileExists = FileExists;
    hooks.LockWindowUpdate = [window](bool locked) { LockWindowUpdate(locked ? window : nullptr); };
    hooks.ShowHistoryButtons = [&s](bool visible) { ShowHistoryButtons(s, visible); };
    s.Browser = std::make_unique<ViewBrowser>(*s.View);
    s.Selection = std::make_unique<DocumentSelection>(
        s.Run->Settings, s.Run->Clock(), *s.Browser, hooks, s.History, [&s] { return s.Random.Next(); },
        s.Run->AppFolder(), s.Run->IsScreenSaverMode());
}

void MakeParts(HWND window, DeclarationState& s) {
    DeclarationPartsContext context;
    const Controls& c = s.Control;
    context.Controls = {window,
                        c.Eye,
                        c.CheckBox,
                        c.CheckCaption,
                        {c.Button[0], c.Button[1]},
                        {c.ButtonCaption[0], c.ButtonCaption[1]},
                        {c.DocHist[0], c.DocHist[1]},
                        c.Speaker};
    context.Settings = &s.Run->Settings;
    context.UserSettings = &s.Run->UserSettings;
    context.View = s.View.get();
    context.History = &s.History;
    context.Pictures = s.Pictures.get();
    context.TwipsPerPixel = s.TwipsPerPixel;
    context.NavigateTo = [&s](const std::string& path) { s.Selection->NavigateTo(path); };
    s.Parts = std::make_unique<DeclarationParts>(context);
    SpeechNarration& narration = s.Parts->Narration();
    // The answer's own caption cuts off a reading; other captions wait for none.
    s.SpeakText = [&s, &narration](const std::string& text) {
        if (s.Answer && s.Answer->Answered()) narration.SpeakAnswer(text);
        else narration.SpeakPhrase(text);
    };
    s.StopSpeaking = [&narration] { narration.StopSpeaking(); };
}

LRESULT OnCreate(HWND window, LPARAM lParam) {
    auto* state = static_cast<DeclarationState*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    DeclarationState& s = *state;
    int pixelsPerInch = 96;
    {
        WindowDC dc(window);
        if (dc.Get()) pixelsPerInch = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    }
    s.TwipsPerPixel = TwipsPerPixel(pixelsPerInch);
    s.Pictures = std::make_unique<PictureResources>(
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)), pixelsPerInch);

    s.History.clear();
    s.Composition = ComposeWindow(s.Run->Settings, s.Run->ProfileUserName(), DesignedWindow(), s.Random,
                                  [] { return static_cast<std::uint32_t>(GetTickCount()); });
    CreateControls(window, s);
    MakeParts(window, s);
    ApplyComposition(window, s);
    MakeSelection(window, s);
    s.Parts->ConnectHistory();
    LayOut(window, s);
    s.Parts->SetHistoryButtonsDisabled();
    SetUpAnswer(window, s);
    s.Parts->SetupTips();
    return 0;
}

LRESULT OnControlColour(HWND window, HDC dc, HWND control) {
    DeclarationState* s = StateOf(window);
    if (!s) return 0;
    // Labels without a colour setting follow the background so they stay readable.
    COLORREF text = ReadableTextColour(s->Composition.Background);
    if (control == s->Control.ButtonCaption[0]) text = ScreenColour(s->Composition.AcceptCaptionColour);
    if (control == s->Control.ButtonCaption[1]) text = ScreenColour(s->Composition.DeclineCaptionColour);
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    POINT origin = {0, 0};
    MapWindowPoints(control, window, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return reinterpret_cast<LRESULT>(s->BackgroundBrush.Get() ? s->BackgroundBrush.Get() : GetStockObject(WHITE_BRUSH));
}

LRESULT OnEraseBackground(HWND window, HDC dc) {
    DeclarationState* s = StateOf(window);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(s ? ScreenColour(s->Composition.Background) : RGB(255, 0, 0));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    return 1;
}

void OnDestroy(HWND window) {
    DeclarationState* state = StateOf(window);
    if (state) UnlockDesktop(*state);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete state;
    PostQuitMessage(0);
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    DeclarationState* s = StateOf(window);
    if (!s) return 0;
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (s->Parts && s->Parts->OnPictureNotification(reinterpret_cast<HWND>(lParam), code)) return 0;
    if (OnAnswerCommand(window, *s, id, code)) return 0;
    if (id == IDC_IMG_BACKGROUND && code == PCN_DOUBLECLICK) ShowAbout(window);
    return 0;
}

// While the desktop is locked only an answer closes the window; the system
// ending the session still may.
bool RefusesClose(HWND window) {
    DeclarationState* s = StateOf(window);
    return s && s->Locked;
}

LRESULT CALLBACK DeclarationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(window, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TSR_GETBACKGROUND: {
        DeclarationState* s = StateOf(window);
        return s && !s->BackgroundPixels.Empty() ? reinterpret_cast<LRESULT>(&s->BackgroundPixels) : 0;
    }
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    case WM_TIMER:
        if (DeclarationState* s = StateOf(window)) {
            OnLockdownTimer(window, *s, wParam);
            if (s->Parts) s->Parts->OnTimer();
        }
        return 0;
    case WM_SETCURSOR:
        if (DeclarationState* s = StateOf(window); s && s->Parts)
            s->Parts->OnSetCursor(reinterpret_cast<HWND>(wParam), HIWORD(lParam));
        break;
    case WM_LBUTTONDBLCLK: ShowAbout(window); return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE && RefusesClose(window)) return 0;
        break;
    case WM_CLOSE:
        if (RefusesClose(window)) return 0;
        break;
    case WM_ENDSESSION:
        if (wParam)
            if (DeclarationState* s = StateOf(window)) UnlockDesktop(*s);
        return 0;
    case WM_TSR_UNLOAD_NOW: DestroyWindow(window); return 0;
    case WM_DESTROY: OnDestroy(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterDeclarationClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DeclarationProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

DeclarationState* StateOf(HWND window) {
    return reinterpret_cast<DeclarationState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void RemoveTitleBar(HWND frm) {
    LONG style = GetWindowLongA(frm, GWL_STYLE);
    style &= ~static_cast<LONG>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    SetWindowLongA(frm, GWL_STYLE, style);
}

HWND CreateDeclarationWindow(HINSTANCE instance, RunControl& run) {
    if (!RegisterDeclarationClass(instance) || !RegisterPictureControl(instance)) return nullptr;
    auto* state = new DeclarationState;
    state->Run = &run;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HWND window =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_APPWINDOW, kClassName, "Tessarin",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, 0,
                        0, width, height, nullptr, nullptr, instance, state);
    if (!window) {
        // WM_CREATE failed before the state was attached.
        if (!StateOf(window)) delete state;
        return nullptr;
    }
    LockDesktop(window, *StateOf(window));
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

void OnDeclarationInput(HWND window, const MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return;
    if (DeclarationState* s = StateOf(window)) OnLockdownKey(window, *s, message);
}

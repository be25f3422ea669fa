#include "runner/window/declaration_window_win32.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "runner/document/document_selection.h"
#include "runner/document/user_language_win32.h"
#include "runner/lockdown/lockdown_win32.h"
#include "runner/start/run_control.h"
#include "runner/window/caption_fit.h"
#include "runner/window/colour.h"
#include "runner/window/declaration_ids.h"
#include "runner/window/layout.h"
#include "runner/window/picture_resources_win32.h"
#include "shared/docview/document_view.h"
#include "shared/file_routines.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"
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
const long kMessageMinWidth = 1500;
const int kDesignedCaptionPoints = 10;
// Shown in the document's place when no document view can be made.
const char kNoDocumentText[] = "The declaration document could not be shown.";

HFONT MakeFont(HWND window, int points, bool bold) { return CreatePointFont(window, points, bold, "Tahoma"); }

// The view as the document selection sees it. Without a view nothing is
// shown, so the record says the document was not found.
class ViewBrowser : public DocumentBrowser {
public:
    explicit ViewBrowser(DocumentView* view) : view_(view) {}
    std::string LocationURL() const override { return view_ ? view_->LocationURL() : std::string(); }
    void Navigate(const std::string& url) override {
        if (view_) view_->Navigate(url);
    }
    std::string BodyText() const override { return view_ ? view_->BodyText() : std::string(); }
    void SetFullScreen(bool on) override {
        if (view_) view_->SetFullScreen(on);
    }

private:
    DocumentView* view_;
};

// The label's own drawing flags (SS_LEFT | SS_EDITCONTROL), so that the
// measured height is the one the label shows.
const UINT kCheckCaptionFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_EDITCONTROL;

// The height in pixels of the text wrapped to the width in pixels.
long WrappedTextHeight(HWND window, HFONT font, const std::string& text, long width) {
    WindowDC dc(window);
    if (!dc.Get()) return 0;
    SelectedObject selected(dc.Get(), font);
    RECT r = {0, 0, static_cast<LONG>(width), 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, kCheckCaptionFormat | DT_CALCRECT);
    return r.bottom - r.top;
}

void Place(HWND control, const TwipRect& r, int tpp) {
    MoveWindow(control, TwipsToPixels(r.Left, tpp), TwipsToPixels(r.Top, tpp), TwipsToPixels(r.Width, tpp),
               TwipsToPixels(r.Height, tpp), FALSE);
}

// A packed bottom-up DIB of the picture, for a pattern brush; none for an
// empty picture.
GdiObject<HBRUSH> PatternBrush(const PicturePixels& picture) {
    if (picture.Empty()) return GdiObject<HBRUSH>();
    const int width = picture.Width, height = picture.Height;
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
        std::copy_n(&picture.Pixels[static_cast<std::size_t>(height - 1 - y) * width], width,
                    rows + static_cast<std::size_t>(y) * width);
    return GdiObject<HBRUSH>(CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
}

// Waits a little for input, then runs what came; false once the program is
// quitting (the quit is left for the main loop).
bool RunWaitingMessages() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

}  // namespace

DeclarationWindow::DeclarationWindow(HINSTANCE instance, RunControl& run)
    : instance_(instance), run_(run), answer_(*this), lockdown_(*this) {}

DeclarationWindow::~DeclarationWindow() {
    // The unload runs as it does for an answer, while every part is here.
    if (Hwnd()) DestroyWindow(Hwnd());
}

bool DeclarationWindow::Open() {
    ClassInfo info;
    info.Name = kClassName;
    info.Style = CS_DBLCLKS;
    info.Icon = LoadIconA(instance_, MAKEINTRESOURCEA(1));
    if (!RegisterClassOnce(info)) return false;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (!Create(kClassName, "Tessarin",
                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
                WS_EX_TOPMOST | WS_EX_APPWINDOW, 0, 0, width, height, nullptr))
        return false;
    opened_ = true;
    lockdown_.LockDesktop();
    covers_ = CoverOtherMonitors(ScreenColour(composition_.Background));
    ShowWindow(Hwnd(), SW_SHOW);
    UpdateWindow(Hwnd());
    return true;
}

void DeclarationWindow::OnInput(const MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return;
    if (!Hwnd() || (message.hwnd != Hwnd() && !IsChild(Hwnd(), message.hwnd))) return;
    lockdown_.OnKey(message);
}

HWND DeclarationWindow::DocumentWindow() const { return view_ ? view_->Window() : noDocument_; }

std::string DeclarationWindow::DocumentLocation() const { return view_ ? view_->LocationURL() : std::string(); }

void DeclarationWindow::Speak(const std::string& text) {
    if (!parts_) return;
    // The answer's own caption cuts off a reading; other captions wait for none.
    if (answer_.Answered()) parts_->Narration().SpeakAnswer(text);
    else parts_->Narration().SpeakPhrase(text);
}

void DeclarationWindow::StopSpeaking() {
    if (!parts_) return;
    // The answer's caption is heard to its end first; the window stays live meanwhile.
    if (answer_.Answered()) parts_->Narration().WaitForAnswer(RunWaitingMessages, [] { return GetTickCount(); });
    parts_->Narration().StopSpeaking();
}

bool DeclarationWindow::CreateControls() {
    HWND window = Hwnd();
    DeclarationControls& c = controls_;
    c.Background.Create(window, IDC_IMG_BACKGROUND, "", false);
    view_ = CreateDocumentView(window, IDC_BWS_DECLARATION_DOC);
    // Out of resources the view may not come: the user can still answer.
    if (!view_)
        noDocument_ = CreateChildControl(window, "STATIC", kNoDocumentText, SS_CENTER | SS_CENTERIMAGE | WS_VISIBLE,
                                         IDC_BWS_DECLARATION_DOC);
    c.Eye.Create(window, IDC_IMG_EYE, "", false);
    c.CheckBox = CreateChildControl(window, "BUTTON", "", BS_AUTOCHECKBOX | WS_TABSTOP, IDC_CHK_READ);
    c.CheckCaption =
        CreateChildControl(window, "STATIC", "", SS_LEFT | SS_EDITCONTROL | SS_NOTIFY, IDC_LBL_CHK_CAPTION);
    c.Button[0].Create(window, IDC_IMG_BUTTON_0, "", true);
    c.Button[1].Create(window, IDC_IMG_BUTTON_1, "", true);
    c.ButtonCaption[0] = CreateChildControl(window, "STATIC", "", SS_CENTER | SS_NOTIFY, IDC_LBL_BUTTON_CAPTION_0);
    c.ButtonCaption[1] = CreateChildControl(window, "STATIC", "", SS_CENTER | SS_NOTIFY, IDC_LBL_BUTTON_CAPTION_1);
    c.DocHist[0].Create(window, IDC_IMG_DOC_HIST_0, "Previous", true);
    c.DocHist[1].Create(window, IDC_IMG_DOC_HIST_1, "Next", true);
    c.Speaker.Create(window, IDC_IMG_SPEAKER, "Speaker", true);
    c.Message = CreateChildControl(window, "STATIC", "", SS_LEFT | SS_NOTIFY, IDC_LBL_MSG);
    c.Logo.Create(window, IDC_IMG_LOGO, "Tessarin", false);
    const HWND all[] = {c.Background.Hwnd(), DocumentWindow(),    c.Eye.Hwnd(),        c.CheckBox,
                        c.CheckCaption,      c.Button[0].Hwnd(),  c.Button[1].Hwnd(),  c.ButtonCaption[0],
                        c.ButtonCaption[1],  c.DocHist[0].Hwnd(), c.DocHist[1].Hwnd(), c.Speaker.Hwnd(),
                        c.Message,           c.Logo.Hwnd()};
    if (std::find(std::begin(all), std::end(all), nullptr) != std::end(all)) return false;
    // The background lies under every other control.
    SetWindowPos(c.Background.Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

// Texts, colours and switches in the composition order.
void DeclarationWindow::ApplyComposition() {
    const WindowComposition& w = composition_;
    DeclarationControls& c = controls_;
    SetWindowTextA(c.ButtonCaption[0], w.AcceptCaption.c_str());
    SetWindowTextA(c.Button[0].Hwnd(), w.AcceptCaption.c_str());
    SetWindowTextA(c.ButtonCaption[1], w.DeclineCaption.c_str());
    SetWindowTextA(c.Button[1].Hwnd(), w.DeclineCaption.c_str());
    SetWindowTextA(c.CheckCaption, w.CheckCaption.c_str());

    const int points = w.CaptionSize > 0 ? w.CaptionSize : kDesignedCaptionPoints;
    captionFont_.Reset(MakeFont(Hwnd(), points, true));
    checkFont_.Reset(MakeFont(Hwnd(), 11, true));
    messageFont_.Reset(MakeFont(Hwnd(), 9, false));
    for (int button = 0; button < 2; ++button) {
        SetControlFont(c.ButtonCaption[button], captionFont_.Get());
        ShowWindow(c.ButtonCaption[button], ButtonCaptionVisible(w, button) ? SW_SHOWNA : SW_HIDE);
    }
    SetControlFont(c.CheckCaption, checkFont_.Get());
    if (noDocument_) SetControlFont(noDocument_, checkFont_.Get());
    SetControlFont(c.Message, messageFont_.Get());
    SetWindowTextA(c.Message, w.Message.c_str());
    ShowWindow(c.Message, SW_SHOWNA);

    PictureResources& p = *pictures_;
    c.Speaker.SetPicture(&p.Picture(PIC_SPEAKER_NORMAL));
    // Making the speech engine loads COM and the engine, which the first
    // paint need not wait for: the speaker comes on the first tick.
    ShowWindow(c.Speaker.Hwnd(), SW_HIDE);
    firstTickDue_ = true;
    c.Eye.SetPicture(&p.Picture(PIC_EYE_FIRST));
    ShowWindow(c.Eye.Hwnd(), w.Eye ? SW_SHOWNA : SW_HIDE);
    ShowHistoryButtons(w.HistoryButtons);

    SendMessageA(c.CheckBox, BM_SETCHECK, w.BoxTicked ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowWindow(c.CheckBox, w.CheckBoxVisible ? SW_SHOWNA : SW_HIDE);
    ShowWindow(c.CheckCaption, w.CheckBoxVisible ? SW_SHOWNA : SW_HIDE);
    c.Button[0].SetPicture(&p.Picture(w.AcceptEnabled ? PIC_ACCEPT_ENABLED : PIC_ACCEPT_DISABLED));
    c.Button[1].SetPicture(&p.Picture(PIC_DECLINE_RELEASED));
    ShowWindow(c.Button[1].Hwnd(), w.DeclineVisible ? SW_SHOWNA : SW_HIDE);
    ShowWindow(c.Button[0].Hwnd(), w.AcceptVisible ? SW_SHOWNA : SW_HIDE);

    c.Logo.SetPicture(&p.Picture(PIC_LOGO));
    ShowWindow(c.Logo.Hwnd(), SW_SHOWNA);
    ShowWindow(c.Background.Hwnd(), SW_SHOWNA);
}

// The inner area's picture: the colour with the background drawing over it.
// Most of it lies under the document, unseen while the document is shown:
// that part is made on the first tick, and before the document is hidden.
void DeclarationWindow::ComposeBackground() {
    RECT client, hole = {};
    GetClientRect(Hwnd(), &client);
    const std::uint32_t colour = ScreenColour(composition_.Background);
    backgroundPixels_ = SolidPicture(client.right, client.bottom, colour);
    if (view_ && GetWindowRect(DocumentWindow(), &hole)) {
        MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&hole), 2);
        if (!IntersectRect(&hole, &hole, &client)) SetRectEmpty(&hole);
    }
    backgroundDue_ = {hole.left, hole.top, hole.right, hole.bottom};
    const PixelArea around[] = {{0, 0, client.right, hole.top},
                                {0, hole.bottom, client.right, client.bottom},
                                {0, hole.top, hole.left, hole.bottom},
                                {hole.right, hole.top, client.right, hole.bottom}};
    for (const PixelArea& area : around)
        ComposeAreaOverColour(backgroundPixels_, pictures_->Picture(PIC_BACKGROUND), colour, area);
    labelBrushes_.clear();
}

void DeclarationWindow::CompleteBackground() {
    if (backgroundDue_.Left >= backgroundDue_.Right || backgroundDue_.Top >= backgroundDue_.Bottom) return;
    ComposeAreaOverColour(backgroundPixels_, pictures_->Picture(PIC_BACKGROUND), ScreenColour(composition_.Background),
                          backgroundDue_);
    backgroundDue_ = PixelArea();
    labelBrushes_.clear();
}

// The labels and the check box paint with the picture that lies under them,
// made when they first paint and again after they moved.
HBRUSH DeclarationWindow::BackgroundBrush(HWND control) {
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (backgroundPixels_.Empty()) return white;
    RECT area;
    GetClientRect(control, &area);
    MapWindowPoints(control, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    auto brush = std::find_if(labelBrushes_.begin(), labelBrushes_.end(),
                              [control](const LabelBrush& b) { return b.Control == control; });
    if (brush == labelBrushes_.end()) brush = labelBrushes_.insert(labelBrushes_.end(), LabelBrush{control, {}, {}});
    if (!brush->Brush.Valid() || !EqualRect(&brush->Area, &area)) {
        brush->Area = area;
        brush->Brush = PatternBrush(
            CropPicture(backgroundPixels_, area.left, area.top, area.right - area.left, area.bottom - area.top));
    }
    return brush->Brush.Valid() ? brush->Brush.Get() : white;
}

void DeclarationWindow::HideDocument() {
    CompleteBackground();
    ShowWindow(DocumentWindow(), SW_HIDE);
}

void DeclarationWindow::ShowHistoryButtons(bool visible) {
    if (!view_) visible = false;  // no pages to step through
    for (PictureControl& button : controls_.DocHist) ShowWindow(button.Hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

std::string DeclarationWindow::ShownCheckCaption(const LayoutInput& in, const DeclarationLayout& out) const {
    const std::string& full = composition_.CheckCaption;
    if (!out.CheckCaptionWraps || out.CheckCaption.Height >= in.CheckCaptionWrappedHeight) return full;
    // Too long even wrapped: cut to the lines the label has.
    const HWND label = controls_.CheckCaption;
    const long width = TwipsToPixels(out.CheckCaption.Width, twipsPerPixel_);
    const long height = TwipsToPixels(out.CheckCaption.Height, twipsPerPixel_) - 2;
    return FitWithEllipsis(full, [&](const std::string& text) {
        return WrappedTextHeight(label, checkFont_.Get(), text, width) <= height;
    });
}

void DeclarationWindow::LayOut() {
    const WindowComposition& w = composition_;
    const DeclarationControls& c = controls_;
    if (!w.TitleBar) RemoveTitleBar(Hwnd());
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(Hwnd(), nullptr, 0, 0, screenWidth, screenHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int tpp = twipsPerPixel_;

    LayoutInput in;
    in.WindowWidth = TwipsFromPixels(screenWidth, tpp);
    in.WindowHeight = TwipsFromPixels(screenHeight, tpp);
    in.InnerWidth = TwipsFromPixels(client.right, tpp);
    in.InnerHeight = TwipsFromPixels(client.bottom, tpp);
    in.ScreenHeight = in.WindowHeight;
    in.WidthMargin = w.WidthMargin;
    in.HeightMargin = w.HeightMargin;
    in.ButtonCaptionHeight = w.ButtonCaptionHeight;
    in.CaptionEmpty = GetWindowTextLengthA(Hwnd()) == 0;
    in.DeclineVisible = w.DeclineVisible;
    // Until the engine is there the speaker keeps its room when the settings want it.
    in.SpeakerVisible = firstTickDue_ ? IsYes(GetSettingItem("Speaker", run_.Settings)) : parts_->Narration().Visible();
    in.EyeVisible = w.Eye;
    in.CheckBoxVisible = w.CheckBoxVisible;
    in.HistoryVisible = w.HistoryButtons;
    in.AcceptWidth = in.DeclineWidth = kButtonWidth;
    in.AcceptHeight = in.DeclineHeight = kButtonHeight;
    const SIZE captionText = TextSize(c.ButtonCaption[0], captionFont_.Get(), "Ag");
    in.CaptionLabelHeight = std::max(kLabelHeight, TwipsFromPixels(captionText.cy + 2, tpp));
    const SIZE checkText = TextSize(c.CheckCaption, checkFont_.Get(), w.CheckCaption);
    in.CheckCaptionWidth = TwipsFromPixels(checkText.cx + 4, tpp);
    in.CheckCaptionHeight = std::max(kLabelHeight, TwipsFromPixels(checkText.cy + 2, tpp));
    in.CheckBoxWidth = in.CheckBoxHeight = kCheckBoxSize;
    in.EyeWidth = kEyeWidth;
    in.EyeHeight = kEyeHeight;
    in.HistoryWidth = in.HistoryHeight = kHistorySize;
    in.MessageHeight = kMessageHeight;
    in.MessageMinWidth = kMessageMinWidth;
    in.LogoWidth = in.LogoHeight = kLogoSize;
    DeclarationLayout out = ComputeLayout(in);
    if (out.CheckCaptionWraps) {
        // Measured within the room the first pass left, then laid out again.
        const long width = TwipsToPixels(out.CheckCaption.Width, tpp);
        in.CheckCaptionWrappedHeight =
            TwipsFromPixels(WrappedTextHeight(c.CheckCaption, checkFont_.Get(), w.CheckCaption, width) + 2, tpp);
        out = ComputeLayout(in);
    }
    SetWindowTextA(c.CheckCaption, ShownCheckCaption(in, out).c_str());
    layout_ = in;

    Place(c.Background.Hwnd(), out.Background, tpp);
    Place(DocumentWindow(), out.Document, tpp);
    Place(c.Button[0].Hwnd(), out.Accept, tpp);
    Place(c.Button[1].Hwnd(), out.Decline, tpp);
    Place(c.ButtonCaption[0], out.AcceptCaption, tpp);
    Place(c.ButtonCaption[1], out.DeclineCaption, tpp);
    Place(c.CheckCaption, out.CheckCaption, tpp);
    Place(c.CheckBox, out.CheckBox, tpp);
    Place(c.Eye.Hwnd(), out.Eye, tpp);
    ComposeBackground();

    selection_->SelectDocument();

    Place(c.Speaker.Hwnd(), out.Speaker, tpp);
    Place(c.DocHist[0].Hwnd(), out.History[0], tpp);
    Place(c.DocHist[1].Hwnd(), out.History[1], tpp);
    Place(c.Message, out.Message, tpp);
    Place(c.Logo.Hwnd(), out.Logo, tpp);
}

void DeclarationWindow::MakeSelection() {
    DocumentSelectionHooks hooks;
    hooks.FileExists = FileExists;
    hooks.UserLanguage = UserInterfaceLanguage;
    HWND window = Hwnd();
    hooks.LockWindowUpdate = [window](bool locked) { LockWindowUpdate(locked ? window : nullptr); };
    hooks.ShowHistoryButtons = [this](bool visible) { ShowHistoryButtons(visible); };
    browser_ = std::make_unique<ViewBrowser>(view_.get());
    selection_ = std::make_unique<DocumentSelection>(
        run_.Settings, run_.Clock(), *browser_, hooks, history_, [this] { return random_.Next(); }, run_.AppFolder(),
        run_.IsScreenSaverMode());
}

void DeclarationWindow::MakeParts() {
    const DeclarationControls& c = controls_;
    DeclarationPartsContext context;
    context.Controls = {Hwnd(),
                        c.Eye.Hwnd(),
                        c.CheckBox,
                        c.CheckCaption,
                        {c.Button[0].Hwnd(), c.Button[1].Hwnd()},
                        {c.ButtonCaption[0], c.ButtonCaption[1]},
                        {c.DocHist[0].Hwnd(), c.DocHist[1].Hwnd()},
                        c.Speaker.Hwnd()};
    context.Settings = &run_.Settings;
    context.UserSettings = &run_.UserSettings;
    context.View = view_.get();
    context.History = &history_;
    context.Pictures = pictures_.get();
    context.TwipsPerPixel = twipsPerPixel_;
    context.FullCheckCaption = [this] { return composition_.CheckCaption; };
    context.NavigateTo = [this](const std::string& path) { selection_->NavigateTo(path); };
    context.ReadingHeld = [this] { return answer_.ReadingHeld(); };
    parts_ = std::make_unique<DeclarationParts>(context);
}

LRESULT DeclarationWindow::OnCreate() {
    const int pixelsPerInch = ScreenDpiX();
    twipsPerPixel_ = TwipsPerPixel(pixelsPerInch);
    pictures_ = std::make_unique<PictureResources>(instance_, pixelsPerInch);

    history_.clear();
    composition_ = ComposeWindow(run_.Settings, run_.ProfileUserName(), DesignedWindow(), random_,
                                 [] { return static_cast<std::uint32_t>(GetTickCount()); });
    if (!CreateControls()) return -1;  // the window is not made
    MakeParts();
    ApplyComposition();
    MakeSelection();
    parts_->ConnectHistory();
    LayOut();
    parts_->SetHistoryButtonsDisabled();
    answer_.SetUp();
    parts_->SetupTips();
    return 0;
}

LRESULT DeclarationWindow::OnControlColour(HDC dc, HWND control) {
    // Labels without a colour setting follow the background so they stay readable.
    COLORREF text = ReadableTextColour(composition_.Background);
    if (control == controls_.ButtonCaption[0]) text = ScreenColour(composition_.AcceptCaptionColour);
    if (control == controls_.ButtonCaption[1]) text = ScreenColour(composition_.DeclineCaptionColour);
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    return reinterpret_cast<LRESULT>(BackgroundBrush(control));
}

LRESULT DeclarationWindow::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    GdiObject<HBRUSH> brush(CreateSolidBrush(ScreenColour(composition_.Background)));
    FillRect(dc, &client, brush.Get());
    return 1;
}

void DeclarationWindow::OnCommand(int id, int code, HWND control) {
    if (parts_ && parts_->OnPictureNotification(control, code)) return;
    if (answer_.OnCommand(id, code)) return;
    if (id == IDC_IMG_BACKGROUND && code == PCN_DOUBLECLICK) ShowAbout(Hwnd());
}

// The speaker shows when the engine has a voice; a speaker whose room was
// kept for nothing gives it back to the message.
void DeclarationWindow::ComposeSpeaker() {
    const bool shown = parts_->ComposeSpeaker();
    ShowWindow(controls_.Speaker.Hwnd(), shown ? SW_SHOWNA : SW_HIDE);
    if (shown == layout_.SpeakerVisible) return;
    layout_.SpeakerVisible = shown;
    RECT before;
    GetWindowRect(controls_.Message, &before);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&before), 2);
    const DeclarationLayout out = ComputeLayout(layout_);
    Place(controls_.Speaker.Hwnd(), out.Speaker, twipsPerPixel_);
    Place(controls_.Message, out.Message, twipsPerPixel_);
    RedrawWindow(Hwnd(), &before, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    InvalidateRect(controls_.Message, nullptr, TRUE);
}

bool DeclarationWindow::DocumentScrollState(long& top, long& viewHeight, long& pageHeight) const {
    if (view_) return view_->ScrollState(top, viewHeight, pageHeight);
    // Without a view there is nothing to read.
    top = 0;
    viewHeight = pageHeight = 1;
    return true;
}

void DeclarationWindow::OnTimer(UINT_PTR timer) {
    lockdown_.OnTimer(timer);
    answer_.OnTimer();
    if (!parts_) return;
    if (firstTickDue_) {
        // What the first paint did without.
        firstTickDue_ = false;
        ComposeSpeaker();
        CompleteBackground();
    }
    parts_->OnTimer();
}

// The parts that live on child windows go while those are still there (a
// browser control wants its host window when it is let go); then the program
// ends, unless the window never opened (Windows destroys a window whose
// WM_CREATE failed with WM_DESTROY too).
void DeclarationWindow::OnDestroy() {
    lockdown_.UnlockDesktop();
    covers_.clear();
    parts_.reset();
    selection_.reset();
    browser_.reset();
    view_.reset();
    noDocument_ = nullptr;
    if (opened_) PostQuitMessage(0);
}

bool DeclarationWindow::ClosingRefused() const {
    const auto shown = [](const PictureControl& button) {
        return (GetWindowLongA(button.Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    };
    return lockdown_.Locked() && (shown(controls_.Button[0]) || shown(controls_.Button[1]));
}

LRESULT DeclarationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TSR_GETBACKGROUND: return backgroundPixels_.Empty() ? 0 : reinterpret_cast<LRESULT>(&backgroundPixels_);
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_SETCURSOR:
        if (parts_) parts_->OnSetCursor(reinterpret_cast<HWND>(wParam), HIWORD(lParam));
        break;
    case WM_LBUTTONDBLCLK: ShowAbout(Hwnd()); return 0;
    // While the desktop is locked only an answer closes the window, when
    // there is a button to answer with.
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE && ClosingRefused()) return 0;
        // The Alt of a swallowed Alt+Tab comes up alone, which would open the
        // system menu's keyboard mode (and its Minimize) on the next key.
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0 && lockdown_.KeysHeld()) return 0;
        // Minimised, the declaration would leave the desktop free.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && lockdown_.KeysHeld()) return 0;
        break;
    case WM_CLOSE:
        if (ClosingRefused()) return 0;
        break;
    // The session ends under the window: the unload's clean-up at once, no
    // record; the system ends the program.
    case WM_ENDSESSION:
        if (wParam) {
            answer_.FinishDelivery();
            lockdown_.UnlockDesktop();
        }
        return 0;
    case WM_TSR_UNLOAD_NOW: DestroyWindow(Hwnd()); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

std::unique_ptr<DeclarationWindow> CreateDeclarationWindow(HINSTANCE instance, RunControl& run) {
    auto window = std::make_unique<DeclarationWindow>(instance, run);
    if (!window->Open()) return nullptr;
    return window;
}

void RemoveTitleBar(HWND frm) {
    LONG style = GetWindowLongA(frm, GWL_STYLE);
    style &= ~static_cast<LONG>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    SetWindowLongA(frm, GWL_STYLE, style);
}

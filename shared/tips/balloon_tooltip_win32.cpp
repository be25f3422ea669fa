#include "shared/tips/balloon_tooltip_win32.h"

#include "shared/text_routines.h"
#include "shared/tips/balloon_tip_values.h"
#include "shared/win32/window_helpers.h"

namespace {

// Widest a tip grows before its text wraps; a tip needs a width for its line
// breaks to show at all.
const int kMaxTipWidth96 = 480;

bool LoadOnce() {
    // Loaded on first use: importing comctl32 would cost every start.
    HMODULE controls = LoadLibraryA("comctl32.dll");
    if (!controls) return false;
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto init =
        reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(controls, "InitCommonControlsEx")));
    if (!init) return false;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    return init(&classes) != FALSE;
}

// A themed tip ignores its colours; the looks need them.
void DropVisualStyle(HWND tip) {
    static HMODULE theme = LoadLibraryA("uxtheme.dll");
    if (!theme) return;
    using SetThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static auto setTheme =
        reinterpret_cast<SetThemeFunction>(reinterpret_cast<void*>(GetProcAddress(theme, "SetWindowTheme")));
    if (setTheme) setTheme(tip, L"", L"");
}

COLORREF RealColour(std::uint32_t colour) {
    return IsSystemColour(colour) ? GetSysColor(SystemColourIndex(colour)) : static_cast<COLORREF>(colour);
}

int ScreenDpi() { return ScreenDpiX(); }

}  // namespace

bool LoadTooltipControls() {
    static const bool loaded = LoadOnce();
    return loaded;
}

TTTOOLINFOA CBalloonToolTip::ToolRecord() {
    TTTOOLINFOA record = {};
    record.cbSize = TTTOOLINFOA_V2_SIZE;
    record.uFlags = static_cast<UINT>(ToolFlags(centered_, popupOnDemand_));
    record.hwnd = parent_;
    record.uId = reinterpret_cast<UINT_PTR>(parent_);
    record.hinst = GetModuleHandleA(nullptr);
    record.lpszText = const_cast<char*>(shownText_.c_str());
    return record;
}

void CBalloonToolTip::SendTitle() {
    const std::string title = ShownTipTitle(title_);
    SendMessageA(tip_, TTM_SETTITLEA, static_cast<WPARAM>(icon_), reinterpret_cast<LPARAM>(title.c_str()));
}

void CBalloonToolTip::SendColour(UINT message, std::uint32_t colour) {
    DropVisualStyle(tip_);
    SendMessageA(tip_, message, RealColour(colour), 0);
}

void CBalloonToolTip::SetBackColor(std::uint32_t vData) {
    backColor_ = vData;
    if (tip_) SendColour(TTM_SETTIPBKCOLOR, backColor_);
}

void CBalloonToolTip::SetForeColor(std::uint32_t vData) {
    foreColor_ = vData;
    if (tip_) SendColour(TTM_SETTIPTEXTCOLOR, foreColor_);
}

void CBalloonToolTip::SetTitle(const std::string& vData) {
    title_ = vData;
    if (!title_.empty() && tip_ && icon_ != 0) SendTitle();
}

void CBalloonToolTip::SetIcon(long vData) {
    icon_ = vData;
    if (!title_.empty() && tip_ && icon_ != 0) SendTitle();
}

void CBalloonToolTip::SetTipText(const std::string& vData) {
    tipText_ = vData;
    shownText_ = ShownTipText(tipText_);
    if (!tip_) return;
    TTTOOLINFOA record = ToolRecord();
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&record));
}

void CBalloonToolTip::SetVisibleTime(long lData) {
    visibleTime_ = lData;
    if (tip_) SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(visibleTime_, 0));
}

bool CBalloonToolTip::CreateToolTip(HWND ParentHwnd) {
    if (tip_) Destroy();
    parent_ = ParentHwnd;
    if (!LoadTooltipControls()) return false;
    const DWORD style = style_ == 1 ? TTS_BALLOON : 0;
    tip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, 0, 0, 0, 0, parent_, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
    if (!tip_) return false;
    shownText_ = ShownTipText(tipText_);
    TTTOOLINFOA record = ToolRecord();
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&record));
    SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kMaxTipWidth96, ScreenDpi(), 96));
    if (!title_.empty() || icon_ != 0) SendTitle();
    if (foreColor_ != 0) SendColour(TTM_SETTIPTEXTCOLOR, foreColor_);
    if (backColor_ != 0) SendColour(TTM_SETTIPBKCOLOR, backColor_);
    SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(visibleTime_, 0));
    SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(delayTime_, 0));
    return true;
}

void CBalloonToolTip::Show(long X, long Y) {
    POINT point = {X, Y};
    if (parent_) ClientToScreen(parent_, &point);
    // Only a tracking tip is shown at a point; a hover tip keeps to the mouse.
    if (tip_ && popupOnDemand_) {
        SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
        TTTOOLINFOA record = ToolRecord();
        SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&record));
    }
    shown_ = true;
}

void CBalloonToolTip::Destroy() {
    if (tip_) DestroyWindow(tip_);
    tip_ = nullptr;
    shown_ = false;
}

void CBalloonToolTip::BalloonInfoSetup(HWND hwnd, const std::string& strTitle, const std::string& strMsg,
                                       int intMaxLength) {
    style_ = kInfoLook.Style;
    icon_ = kInfoLook.Icon;
    backColor_ = kInfoLook.BackColor;
    foreColor_ = kInfoLook.ForeColor;
    maxLength_ = static_cast<short>(intMaxLength);
    tipText_ = WrapText(strMsg, intMaxLength);
    delayTime_ = 500;
    centered_ = false;
    visibleTime_ = 10000;
    title_ = strTitle;
    CreateToolTip(hwnd);
}

void CBalloonToolTip::BalloonWarningSetup(HWND hwnd, const std::string& strTitle, const std::string& strMsg) {
    style_ = kWarningLook.Style;
    icon_ = kWarningLook.Icon;
    backColor_ = kWarningLook.BackColor;
    foreColor_ = kWarningLook.ForeColor;
    tipText_ = strMsg;
    popupOnDemand_ = false;
    title_ = strTitle;
    CreateToolTip(hwnd);
}

void CBalloonToolTip::ShowAtTwips(long X, long Y) {
    const double twipsPerPixel = 1440.0 / ScreenDpi();
    Show(TipPixelFromTwips(X, twipsPerPixel), TipPixelFromTwips(Y, twipsPerPixel));
}

void CBalloonToolTip::ShowBalloonInfo(HWND hwnd, const std::string& strTitle, const std::string& strMsg, long X, long Y,
                                      int intMaxLength) {
    popupOnDemand_ = true;
    BalloonInfoSetup(hwnd, strTitle, strMsg, intMaxLength);
    ShowAtTwips(X, Y);
    closeBox_ = true;
}

void CBalloonToolTip::ShowBalloonWarning(HWND hwnd, const std::string& strTitle, const std::string& strMsg, long X,
                                         long Y) {
    style_ = kWarningLook.Style;
    icon_ = kWarningLook.Icon;
    backColor_ = kWarningLook.BackColor;
    foreColor_ = kWarningLook.ForeColor;
    tipText_ = strMsg;
    popupOnDemand_ = true;
    title_ = strTitle;
    CreateToolTip(hwnd);
    ShowAtTwips(X, Y);
}

void CBalloonToolTip::ShowBalloonError(HWND hwnd, const std::string& strTitle, const std::string& strMsg, long X,
                                       long Y) {
    style_ = kErrorLook.Style;
    icon_ = kErrorLook.Icon;
    backColor_ = kErrorLook.BackColor;
    foreColor_ = kErrorLook.ForeColor;
    popupOnDemand_ = true;
    tipText_ = strMsg;
    title_ = strTitle;
    CreateToolTip(hwnd);
    ShowAtTwips(X, Y);
}

void CBalloonToolTip::ReloadBalloonInfo(const std::string& text, long X, long Y) {
    SetTipText(text);
    ShowAtTwips(X, Y);
}

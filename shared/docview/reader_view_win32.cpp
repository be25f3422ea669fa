// The reader view window: loads a page, lays it out for the window's width,
// paints only the visible lines through a back buffer, scrolls and follows links.
#include "shared/docview/reader_view_win32.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>

#include "shared/docview/doc_location.h"
#include "shared/docview/text_convert_win32.h"
#include "shared/file_routines.h"

namespace {

const char kClassName[] = "TsrReaderView";
const UINT_PTR kLayoutTimer = 1;
// Work done in one go while the rest of a long page is read and laid out:
// bytes read on, blocks laid out, and the time one timer slice may take.
const size_t kReadSlice = 64 * 1024;
const size_t kBlockSlice = 64;
const DWORD kSliceMs = 25;
// Pages larger than this are offered to their own program instead.
const unsigned long long kMaxPageBytes = 64ull * 1024 * 1024;

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kInk = RGB(33, 33, 33);
const COLORREF kHeadingInk = RGB(23, 55, 94);
const COLORREF kQuoteInk = RGB(85, 85, 85);
const COLORREF kLinkInk = RGB(0, 84, 166);
const COLORREF kLinkHoverInk = RGB(0, 50, 120);
const COLORREF kRuleInk = RGB(205, 205, 205);
const COLORREF kQuoteBar = RGB(190, 202, 218);

// Whether the path may be opened as a page, decided before anything is
// opened: a device is never opened (a serial port blocks a read for ever).
bool MayOpen(const std::string& path, OpenFailure* why) {
    if (path.empty()) {
        *why = OpenFailure::Missing;
        return false;
    }
    if (IsDeviceName(path)) {
        *why = OpenFailure::Device;
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) *why = OpenFailure::Missing;
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY) *why = OpenFailure::Folder;
    else if (attributes & FILE_ATTRIBUTE_DEVICE) *why = OpenFailure::Device;
    else return true;
    return false;
}

enum class PageRead { Done, TooLarge, NotADiskFile, Unreadable };

// The whole file, read only when it is a file on a disk no larger than the limit.
PageRead ReadPageFile(const std::string& path, std::string* content) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return PageRead::Unreadable;
    // A pipe or a device may never answer a read.
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) return PageRead::NotADiskFile;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size)) return PageRead::Unreadable;
    if (static_cast<unsigned long long>(size.QuadPart) > kMaxPageBytes) return PageRead::TooLarge;
    content->assign(static_cast<size_t>(size.QuadPart), '\0');
    bool ok = true;
    size_t total = 0;
    while (ok && total < content->size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(content->size() - total, 1u << 24));
        DWORD done = 0;
        ok = ReadFile(file.Get(), &(*content)[total], chunk, &done, nullptr) != 0 && done > 0;
        total += done;
    }
    content->resize(total);
    return ok || total > 0 ? PageRead::Done : PageRead::Unreadable;
}

// Relative paths are taken from the current folder, as the browser control does.
std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH * 4];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof(buffer), buffer, nullptr);
    if (n == 0 || n >= sizeof(buffer)) return path;
    return std::string(buffer, n);
}

std::string NameOf(const std::string& location) {
    std::string path = FileUrlToPath(location);
    if (path.empty()) path = location;
    size_t cut = path.find_last_of("/\\");
    std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    return name.empty() ? location : name;
}

}  // namespace

std::unique_ptr<ReaderView> ReaderView::Create(HWND parent, int controlId) {
    ClassInfo info;
    info.Name = kClassName;
    info.Style = CS_DBLCLKS;  // no background: painted whole in WM_PAINT
    if (!RegisterClassOnce(info)) return nullptr;
    std::unique_ptr<ReaderView> view(new ReaderView());
    RECT area = {};
    GetClientRect(parent, &area);
    if (!view->::Window::Create(kClassName, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0,
                                0, area.right, area.bottom, parent, controlId))
        return nullptr;
    view->ShowFailure("", OpenFailure::Missing);  // until a document is opened
    return view;
}

// --- navigation -----------------------------------------------------------

void ReaderView::Navigate(const std::string& url) { Go(url, true); }

void ReaderView::NavigateAlreadyAnnounced(const std::string& url) { Go(url, false); }

void ReaderView::Go(const std::string& url, bool announce) {
    if (url.empty()) return;
    const std::string target = HasUrlScheme(url) ? url : PathToFileUrl(FullPath(url));
    if (announce && BeforeNavigate) {
        bool cancel = false;
        BeforeNavigate(target, cancel);
        if (cancel) return;
    }
    const bool fileOrWeb = IsWebUrl(target) || !FileUrlToPath(target).empty();
    if (!fileOrWeb) {            // mailto: and friends belong to their own programs
        OpenExternally(target);  // nothing to show when it fails: the page stays
        return;
    }
    Load(target);
    if (NavigateComplete) NavigateComplete(location_);
}

void ReaderView::Load(const std::string& url) {
    location_ = url;
    const std::string name = NameOf(url);
    if (IsWebUrl(url)) {
        ShowNotice("This web page cannot be shown here. ", "Open it in the web browser", url, ".");
        return;
    }
    const std::string path = FileUrlToPath(url);
    OpenFailure failure = OpenFailure::Missing;
    if (!MayOpen(path, &failure)) {
        ShowFailure(path, failure);
        return;
    }
    const DocumentType type = DocumentTypeOf(path);
    if (type == DocumentType::Other) {
        ShowNotice("The document \"" + name + "\" cannot be shown here. ", "Open it with its program", url, ".");
        return;
    }
    std::string bytes;
    switch (ReadPageFile(path, &bytes)) {
    case PageRead::Done: break;
    case PageRead::TooLarge:
        ShowNotice("The document \"" + name + "\" is too large to be shown here. ", "Open it with its program", url,
                   ".");
        return;
    case PageRead::NotADiskFile: ShowFailure(path, OpenFailure::Device); return;
    case PageRead::Unreadable: ShowFailure(path, OpenFailure::Unreadable); return;
    }
    const ReadOptions options = AnsiReadOptions();
    if (type == DocumentType::Html)
        SetDocument(HtmlDocument(), std::unique_ptr<HtmlPageReader>(new HtmlPageReader(std::move(bytes), options)),
                    false);
    else SetDocument(ReadPlainText(bytes, options), nullptr, false);
}

void ReaderView::ShowFailure(const std::string& path, OpenFailure why) {
    ShowNotice(OpenFailureNotice(path, why), "", "", "");
}

void ReaderView::ShowNotice(const std::string& before, const std::string& linkText, const std::string& linkTarget,
                            const std::string& after) {
    HtmlDocument notice;
    TextBlock line;
    TextRun text;
    text.text = before;
    line.runs.push_back(text);
    if (!linkText.empty()) {
        TextRun link;
        link.text = linkText;
        link.href = linkTarget;
        line.runs.push_back(link);
        TextRun tail;
        tail.text = after;
        line.runs.push_back(tail);
    }
    notice.blocks.push_back(line);
    SetDocument(std::move(notice), nullptr, true);
}

void ReaderView::SetDocument(HtmlDocument document, std::unique_ptr<HtmlPageReader> reading, bool notice) {
    layouter_ = PageLayouter();  // let go of the old text first
    document_ = std::move(document);
    reading_ = std::move(reading);
    notice_ = notice;
    bodyText_.clear();
    bodyTextReady_ = false;
    hoverLink_ = pressedLink_ = -1;
    scrollY_ = 0;
    Relayout(true);
    UpdateScrollBar();
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

const std::string& ReaderView::Body() const {
    if (!bodyTextReady_) {
        if (reading_) {
            reading_->ReadMore(document_, std::string::npos);
            reading_.reset();
        }
        bodyText_ = DocumentBodyText(document_);
        bodyTextReady_ = true;
    }
    return bodyText_;
}

void ReaderView::FollowLink(int link) {
    if (link < 0 || link >= static_cast<int>(Layout().links.size())) return;
    const std::string href = Layout().links[static_cast<size_t>(link)];
    if (notice_) {
        bool cancel = false;
        if (BeforeNavigate) BeforeNavigate(href, cancel);
        if (!cancel && !OpenExternally(href))
            ShowNotice("The document \"" + NameOf(href) + "\" cannot be shown here, and no program here can open it.",
                       "", "", "");
        return;
    }
    const std::string target = ResolveLink(location_, href);
    if (!target.empty()) Navigate(target);
}

bool ReaderView::OpenExternally(const std::string& location) {
    // shell32 is loaded only when a document is handed on, so it costs nothing at start.
    typedef BOOL(WINAPI * ShellExecuteExProc)(SHELLEXECUTEINFOA*);
    static HMODULE shell = LoadLibraryA("shell32.dll");
    if (!shell) return false;
    ShellExecuteExProc execute =
        reinterpret_cast<ShellExecuteExProc>(reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteExA")));
    if (!execute) return false;
    const std::string path = FileUrlToPath(location);
    const std::string& what = path.empty() ? location : path;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;  // the view says so itself when nothing can open it
    info.hwnd = Hwnd();
    info.lpVerb = "open";
    info.lpFile = what.c_str();
    info.nShow = SW_SHOWNORMAL;
    return execute(&info) != FALSE;
}

// --- layout and scrolling ---------------------------------------------------

void ReaderView::Relayout(bool force) {
    if (!Hwnd()) return;
    RECT client = {};
    GetClientRect(Hwnd(), &client);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    if (!force && clientWidth_ == layoutWidth_) return;
    // Keep the reader's place: the block at the top stays there, as far into
    // it as before (or as many pixels above it, in the space between blocks).
    const PageLayout& old = Layout();
    size_t anchor = 0;
    double into = 0.0;
    int above = 0;
    if (!force && !old.lines.empty()) {
        const size_t top = std::min(FirstLineAtOrBelow(old, scrollY_), old.lines.size() - 1);
        anchor = old.lines[top].block;
        const size_t first = FirstLineOfBlock(old, anchor);
        const size_t end = FirstLineOfBlock(old, anchor + 1);
        const int blockTop = old.lines[first].top;
        const int blockHeight = old.lines[end - 1].top + old.lines[end - 1].height - blockTop;
        if (scrollY_ < blockTop) above = blockTop - scrollY_;
        else if (blockHeight > 0) into = std::min(1.0, double(scrollY_ - blockTop) / blockHeight);
    }
    LayoutStyle style;
    {
        WindowDC dc(Hwnd());
        const int dpi = GetDeviceCaps(dc.Get(), LOGPIXELSY);
        const int scale = dpi > 0 ? dpi : 96;
        style.marginX = MulDiv(48, scale, 96);
        style.marginTop = MulDiv(32, scale, 96);
        style.marginBottom = MulDiv(40, scale, 96);
        style.indentStep = MulDiv(30, scale, 96);
        style.maxTextWidth = MulDiv(860, scale, 96);
    }
    // Centre the text column on wide windows, as a printed page would be.
    const int column = style.maxTextWidth + 2 * style.marginX;
    if (clientWidth_ > column) style.marginX += (clientWidth_ - column) / 2;
    layouter_ = PageLayouter(std::max(clientWidth_, 1), style);
    layoutWidth_ = clientWidth_;
    if (force) scrollY_ = 0;
    LayOutUntil(0, force ? 0 : anchor + 1, INFINITE);
    const PageLayout& now = Layout();
    const size_t first = FirstLineOfBlock(now, anchor);
    if (!force && first < now.lines.size()) {
        const size_t end = FirstLineOfBlock(now, anchor + 1);
        const int blockTop = now.lines[first].top;
        const int blockHeight = now.lines[end - 1].top + now.lines[end - 1].height - blockTop;
        scrollY_ = std::max(0, blockTop + static_cast<int>(into * blockHeight) - above);
    }
    CoverTheView();
}

// Lays out (reading on as needed) until the layout reaches y and holds the
// first `blocks` blocks, the page is done, or budgetMs have passed.
void ReaderView::LayOutUntil(int y, size_t blocks, DWORD budgetMs) {
    if (!Hwnd() || Layout().complete) return;
    const DWORD start = GetTickCount();
    WindowDC dc(Hwnd());
    GdiMeasurer measurer(dc.Get(), fonts_);
    while (!Layout().complete && (Layout().height < y || layouter_.BlocksDone() < blocks)) {
        if (layouter_.BlocksDone() == document_.blocks.size() && reading_) {
            if (reading_->ReadMore(document_, kReadSlice)) reading_.reset();
        } else {
            layouter_.LayOutBlocks(document_, measurer, kBlockSlice, reading_ != nullptr);
        }
        if (budgetMs != INFINITE && GetTickCount() - start >= budgetMs) break;
    }
}

// The visible screen and the next are laid out at once; the rest on the timer.
void ReaderView::CoverTheView() {
    LayOutUntil(scrollY_ + 2 * std::max(clientHeight_, 1), 0, INFINITE);
    if (!Layout().complete) SetTimer(Hwnd(), kLayoutTimer, 1, nullptr);
}

void ReaderView::OnLayoutTimer() {
    const int before = Layout().height;
    LayOutUntil(INT_MAX, 0, kSliceMs);
    if (Layout().complete) KillTimer(Hwnd(), kLayoutTimer);
    UpdateScrollBar();
    if (before < scrollY_ + clientHeight_) InvalidateRect(Hwnd(), nullptr, FALSE);
}

int ReaderView::BodyLineHeight() {
    WindowDC dc(Hwnd());
    GdiMeasurer measurer(dc.Get(), fonts_);
    return std::max(1, measurer.Metrics(FontKey()).height);
}

bool ReaderView::ScrollState(long& top, long& viewHeight, long& pageHeight) const {
    top = scrollY_;
    viewHeight = clientHeight_;
    pageHeight = Layout().height;
    // The end of a page still being laid out is not known yet.
    return Layout().complete && clientHeight_ > 0;
}

void ReaderView::UpdateScrollBar() {
    const PageLayout& layout = Layout();
    const int maxScroll = std::max(0, layout.height - clientHeight_);
    scrollY_ = std::min(std::max(scrollY_, 0), maxScroll);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(layout.height - 1, 0);
    info.nPage = static_cast<UINT>(std::max(clientHeight_, 0));
    info.nPos = scrollY_;
    SetScrollInfo(Hwnd(), SB_VERT, &info, TRUE);
}

void ReaderView::ScrollTo(int y) {
    LayOutUntil(y > INT_MAX - clientHeight_ ? INT_MAX : y + clientHeight_, 0, INFINITE);
    const int maxScroll = std::max(0, Layout().height - clientHeight_);
    y = std::min(std::max(y, 0), maxScroll);
    if (y == scrollY_) return;
    scrollY_ = y;
    CoverTheView();
    UpdateScrollBar();
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

int ReaderView::LinkAtClient(int x, int y) const { return LinkAt(Layout(), x, y + scrollY_); }

// --- painting ----------------------------------------------------------------

void ReaderView::OnPaint() {
    PaintDC paint(Hwnd());
    HDC screen = paint.Get();
    if (!screen) return;
    const RECT& dirty = paint.Area();
    RECT client = {};
    GetClientRect(Hwnd(), &client);
    if (client.right > 0 && client.bottom > 0) {
        if (!backBuffer_.Get() || backWidth_ < client.right || backHeight_ < client.bottom) {
            backWidth_ = std::max<int>(client.right, backWidth_);
            backHeight_ = std::max<int>(client.bottom, backHeight_);
            backBuffer_.Reset(CreateCompatibleBitmap(screen, backWidth_, backHeight_));
        }
        MemoryDC memory(screen);
        if (memory.Get() && backBuffer_.Get()) {
            SelectedObject bitmap(memory.Get(), backBuffer_.Get());
            PaintPage(memory.Get(), dirty);
            BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, memory.Get(),
                   dirty.left, dirty.top, SRCCOPY);
        } else {
            PaintPage(screen, dirty);  // no memory for a buffer: paint straight
        }
    }
}

void ReaderView::PaintPage(HDC dc, const RECT& area) {
    const PageLayout& layout = Layout();
    GdiObject<HBRUSH> paper(CreateSolidBrush(kPaper));
    FillRect(dc, &area, paper.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    GdiObject<HBRUSH> rule(CreateSolidBrush(kRuleInk));
    GdiObject<HBRUSH> bar(CreateSolidBrush(kQuoteBar));
    // The fragments change the font; the DC gets its own back at the end.
    SelectedObject originalFont(dc, GetCurrentObject(dc, OBJ_FONT));
    const int top = area.top + scrollY_;
    const int bottom = area.bottom + scrollY_;
    for (size_t i = FirstLineAtOrBelow(layout, top); i < layout.lines.size(); ++i) {
        const LayoutLine& line = layout.lines[i];
        if (line.top >= bottom) break;
        const int y = line.top - scrollY_;
        if (line.quoteBarX >= 0) {
            RECT r = {line.quoteBarX, y, line.quoteBarX + 4, y + line.height};
            FillRect(dc, &r, bar.Get());
        }
        if (line.decoration == LineDecoration::Rule) {
            for (const LayoutFragment& f : line.fragments) {
                RECT r = {f.x, y + line.height / 2, f.x + f.width, y + line.height / 2 + 1};
                FillRect(dc, &r, rule.Get());
            }
            continue;
        }
        for (const LayoutFragment& f : line.fragments) {
            if (f.text.empty()) continue;
            SelectObject(dc, fonts_.Get(dc, f.font));
            COLORREF ink = kInk;
            if (f.link >= 0) ink = (f.link == hoverLink_) ? kLinkHoverInk : kLinkInk;
            else if (f.font.role >= FontRole::Heading1 && f.font.role <= FontRole::Heading6) ink = kHeadingInk;
            else if (line.quoteBarX >= 0) ink = kQuoteInk;
            SetTextColor(dc, ink);
            TextOutA(dc, f.x, y + line.ascent, f.text.data(), static_cast<int>(f.text.size()));
        }
    }
}

// --- input -------------------------------------------------------------------

void ReaderView::OnSize() {
    Relayout(false);
    CoverTheView();
    UpdateScrollBar();
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void ReaderView::OnVScroll(int code) {
    const int line = BodyLineHeight();
    const int page = std::max(clientHeight_ - line, line);
    switch (code) {
    case SB_LINEUP: ScrollTo(scrollY_ - line); break;
    case SB_LINEDOWN: ScrollTo(scrollY_ + line); break;
    case SB_PAGEUP: ScrollTo(scrollY_ - page); break;
    case SB_PAGEDOWN: ScrollTo(scrollY_ + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(INT_MAX); break;  // lays the rest out first
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(Hwnd(), SB_VERT, &info)) ScrollTo(info.nTrackPos);
        break;
    }
    default: break;
    }
}

void ReaderView::OnMouseWheel(int delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (lines == 0) return;
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    if (lines == WHEEL_PAGESCROLL) ScrollTo(scrollY_ - notches * std::max(clientHeight_ - BodyLineHeight(), 1));
    else ScrollTo(scrollY_ - notches * static_cast<int>(lines) * BodyLineHeight());
}

bool ReaderView::OnKeyDown(WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_UP: OnVScroll(SB_LINEUP); return true;
    case VK_DOWN: OnVScroll(SB_LINEDOWN); return true;
    case VK_PRIOR: OnVScroll(SB_PAGEUP); return true;
    case VK_NEXT: OnVScroll(SB_PAGEDOWN); return true;
    case VK_SPACE: OnVScroll(shift ? SB_PAGEUP : SB_PAGEDOWN); return true;
    case VK_HOME: OnVScroll(SB_TOP); return true;
    case VK_END: OnVScroll(SB_BOTTOM); return true;
    default: return false;
    }
}

void ReaderView::OnLButtonDown(int x, int y) {
    SetFocus(Hwnd());
    pressedLink_ = LinkAtClient(x, y);
}

void ReaderView::OnLButtonUp(int x, int y) {
    const int link = LinkAtClient(x, y);
    const int pressed = pressedLink_;
    pressedLink_ = -1;
    if (link >= 0 && link == pressed) FollowLink(link);
}

bool ReaderView::OnSetCursor() {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(Hwnd(), &p);
    if (LinkAtClient(p.x, p.y) < 0) return false;
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return true;
}

void ReaderView::OnMouseMove(int x, int y) {
    const int link = LinkAtClient(x, y);
    if (link == hoverLink_) return;
    if (link >= 0) {  // hear when the pointer leaves, to take the highlight off again
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = Hwnd();
        TrackMouseEvent(&track);
    }
    hoverLink_ = link;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT ReaderView::OnGetText(WPARAM size, LPARAM buffer) const {
    if (size == 0 || !buffer) return 0;
    const std::string& body = Body();
    const size_t count = std::min<size_t>(body.size(), size - 1);
    char* out = reinterpret_cast<char*>(buffer);
    body.copy(out, count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

// --- messages ------------------------------------------------------------------

LRESULT ReaderView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: OnSize(); return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(wParam)) return 0;
        break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: OnLButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseMove(-1, -1); return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
        break;
    case WM_TIMER:
        if (wParam == kLayoutTimer) {
            OnLayoutTimer();
            return 0;
        }
        break;
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(Body().size());
    case WM_GETTEXT: return OnGetText(wParam, lParam);
    default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}

// CreateDocumentView: the browser control when it can show pages here,
// otherwise the reader view, behind one child window that stays the same, so
// the caller never notices the change.
#include <windows.h>

#include <algorithm>

#include "shared/docview/browser_host_win32.h"
#include "shared/docview/document_view.h"
#include "shared/docview/reader_view_win32.h"
#include "shared/win32/window.h"
#include "shared/win32/window_helpers.h"

namespace {

const char kContainerClass[] = "TsrDocumentView";
const int kInnerId = 1;
// How long the first navigation may take to offer a document before the
// browser control is judged unable to show pages. A control without an
// engine reports the failed navigation at once, so the wait only runs long
// where the control is alive but slow to start.
const DWORD kDocumentProbeMs = 1500;

class SwitchingView : public DocumentView, public ::Window {
public:
    static std::unique_ptr<SwitchingView> Create(HWND parent, int controlId);
    ~SwitchingView() override;

    HWND Window() const override { return Hwnd(); }
    void Navigate(const std::string& url) override;
    std::string LocationURL() const override { return Active() ? Active()->LocationURL() : std::string(); }
    std::string BodyText() const override { return Active() ? Active()->BodyText() : std::string(); }
    void SetFullScreen(bool on) override {
        fullScreen_ = on;
        if (Active()) Active()->SetFullScreen(on);
    }
    bool FullScreen() const override { return fullScreen_; }
    bool ScrollState(long& top, long& viewHeight, long& pageHeight) const override {
        if (Active()) return Active()->ScrollState(top, viewHeight, pageHeight);
        return DocumentView::ScrollState(top, viewHeight, pageHeight);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SwitchingView() = default;
    DocumentView* Active() const {
        return reader_ ? static_cast<DocumentView*>(reader_.get()) : static_cast<DocumentView*>(browser_.get());
    }
    void Connect(DocumentView& inner);
    void SwitchToReader();
    void FitInner();

    HWND location_ = nullptr;
    std::unique_ptr<BrowserView> browser_;
    std::unique_ptr<ReaderView> reader_;
    bool probed_ = false;
    bool fullScreen_ = false;
    bool lastCancelled_ = false;
};

// Wine's browser control has no engine to show pages with, and at times hands
// a page to the desktop's "open" instead, which ends in an error box; there
// the reader view serves from the start, without a probe.
bool BrowserEngineExpected() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return !(ntdll && GetProcAddress(ntdll, "wine_get_version"));
}

std::unique_ptr<SwitchingView> SwitchingView::Create(HWND parent, int controlId) {
    ClassInfo info;
    info.Name = kContainerClass;
    if (!RegisterClassOnce(info)) return nullptr;
    std::unique_ptr<SwitchingView> view(new SwitchingView());
    RECT area = {};
    GetClientRect(parent, &area);
    if (!view->::Window::Create(kContainerClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                WS_EX_CONTROLPARENT, 0, 0, area.right, area.bottom, parent, controlId))
        return nullptr;
    view->location_ = CreateChildControl(view->Hwnd(), "STATIC", "", 0, kDocumentLocationId);
    if (BrowserEngineExpected()) view->browser_ = BrowserView::Create(view->Hwnd(), kInnerId);
    if (view->browser_) view->Connect(*view->browser_);
    else view->SwitchToReader();
    if (!view->Active()) return nullptr;
    return view;
}

SwitchingView::~SwitchingView() {
    // The inner views go before the container that holds their windows.
    browser_.reset();
    reader_.reset();
}

void SwitchingView::Connect(DocumentView& inner) {
    // The shown view stays the container's first child.
    if (location_) SetWindowPos(location_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    inner.BeforeNavigate = [this](const std::string& url, bool& cancel) {
        if (BeforeNavigate) BeforeNavigate(url, cancel);
        lastCancelled_ = cancel;
    };
    inner.NavigateComplete = [this](const std::string& url) {
        if (location_) SetWindowTextA(location_, url.c_str());
        if (NavigateComplete) NavigateComplete(url);
    };
    inner.SetFullScreen(fullScreen_);
}

void SwitchingView::SwitchToReader() {
    browser_.reset();
    reader_ = ReaderView::Create(Hwnd(), kInnerId);
    if (reader_) Connect(*reader_);
    FitInner();
}

void SwitchingView::Navigate(const std::string& url) {
    if (reader_ || !browser_) {
        if (reader_) reader_->Navigate(url);
        return;
    }
    if (probed_) {
        browser_->Navigate(url);
        return;
    }
    // The first navigation tells whether the control has an engine to show pages
    // with. A first document the control fails to open (also a missing one)
    // leaves the reader in charge for this view's life; the reader shows such
    // pages with a notice.
    const int announcedBefore = browser_->AnnouncedNavigations();
    lastCancelled_ = false;
    browser_->Navigate(url);
    const bool announced = browser_->AnnouncedNavigations() > announcedBefore;
    if (announced && lastCancelled_) return;  // nothing was loaded: the next navigation probes
    probed_ = true;
    if (browser_->WaitForDocument(kDocumentProbeMs)) return;
    SwitchToReader();
    if (!reader_) return;
    if (announced) reader_->NavigateAlreadyAnnounced(url);
    else reader_->Navigate(url);
}

void SwitchingView::FitInner() {
    DocumentView* inner = Active();
    if (!inner || !inner->Window()) return;
    RECT area = {};
    GetClientRect(Hwnd(), &area);
    MoveWindow(inner->Window(), 0, 0, area.right, area.bottom, TRUE);
}

LRESULT SwitchingView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    DocumentView* inner = Active();
    HWND innerWindow = inner ? inner->Window() : nullptr;
    switch (message) {
    case WM_SIZE: FitInner(); return 0;
    case WM_ERASEBKGND: return 1;  // the inner view covers the whole area
    case WM_SETFOCUS:
        if (innerWindow) SetFocus(innerWindow);
        return 0;
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT:
        // The text a UI driver reads is the shown document's text.
        return innerWindow ? SendMessageA(innerWindow, message, wParam, lParam) : 0;
    default: return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace

std::unique_ptr<DocumentView> CreateDocumentView(HWND parent, int controlId) {
    return SwitchingView::Create(parent, controlId);
}

std::unique_ptr<DocumentView> CreateReaderView(HWND parent, int controlId) {
    return ReaderView::Create(parent, controlId);
}

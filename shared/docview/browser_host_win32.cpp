// A minimal OLE container for the browser control: client site, in-place
// site and frame, and the DWebBrowserEvents2 sink for the notifications.
#include "shared/docview/browser_host_win32.h"

#include <exdisp.h>
#include <exdispid.h>
#include <mshtml.h>
#include <ole2.h>

#include <algorithm>

#include "shared/docview/ole_runtime_win32.h"

namespace {

const char kHostClass[] = "TsrBrowserHost";

std::string VariantText(const OleRuntime& ole, const VARIANT* v) {
    while (v && v->vt == (VT_BYREF | VT_VARIANT)) v = v->pvarVal;
    if (!v) return std::string();
    if (v->vt == VT_BSTR && v->bstrVal) return WideToAnsi(v->bstrVal, static_cast<int>(ole.SysStringLen(v->bstrVal)));
    if (v->vt == (VT_BYREF | VT_BSTR) && v->pbstrVal && *v->pbstrVal)
        return WideToAnsi(*v->pbstrVal, static_cast<int>(ole.SysStringLen(*v->pbstrVal)));
    return std::string();
}

bool SameObject(IUnknown* a, IUnknown* b) {
    if (!a || !b) return false;
    IUnknown* ua = nullptr;
    IUnknown* ub = nullptr;
    bool same = false;
    if (SUCCEEDED(a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua))) &&
        SUCCEEDED(b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub))))
        same = ua == ub;
    if (ua) ua->Release();
    if (ub) ub->Release();
    return same;
}

}  // namespace

// One COM object plays every part the control asks its container for.
class BrowserSite : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
public:
    BrowserSite(HWND window, const OleRuntime& ole, BrowserView& owner) : window_(window), ole_(ole), owner_(owner) {}

    bool Start() {
        if (FAILED(ole_.CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                                         IID_IOleObject, object_.OutVoid())))
            return false;
        if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(this)))) return false;
        RECT area = {};
        GetClientRect(window_, &area);
        if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, window_,
                                   &area)))
            return false;
        if (FAILED(object_->QueryInterface(IID_IWebBrowser2, browser_.OutVoid()))) return false;
        ComRef<IConnectionPointContainer> container;
        if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer, container.OutVoid())) &&
            SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point_.Out())))
            point_->Advise(static_cast<IDispatch*>(this), &cookie_);
        browser_->put_RegisterAsDropTarget(VARIANT_FALSE);
        return true;
    }

    void Stop() {
        if (point_.Get() && cookie_) point_->Unadvise(cookie_);
        cookie_ = 0;
        point_.Reset();
        if (browser_.Get()) browser_->Stop();
        browser_.Reset();
        if (object_.Get()) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
        object_.Reset();
    }

    void Resize() {
        if (!object_.Get()) return;
        RECT area = {};
        GetClientRect(window_, &area);
        ComRef<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, inPlace.OutVoid())))
            inPlace->SetObjectRects(&area, &area);
    }

    IWebBrowser2* Browser() const { return browser_.Get(); }
    const OleRuntime& Ole() const { return ole_; }
    int announced = 0;
    bool documentComplete = false;
    bool navigateFailed = false;  // the control gave up on the main document

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) *out = static_cast<IDispatch*>(this);
        else return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (in-place site and frame alike)
    STDMETHODIMP GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
        }
        if (document) *document = nullptr;
        RECT area = {};
        GetClientRect(window_, &area);
        if (position) *position = area;
        if (clip) *clip = area;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = window_;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow / IOleInPlaceFrame: no toolbars, menus or status bar.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDispatch: the DWebBrowserEvents2 sink.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        if (!params) return S_OK;
        switch (id) {
        case DISPID_BEFORENAVIGATE2: OnBeforeNavigate(*params); break;
        case DISPID_NAVIGATECOMPLETE2: OnNavigateComplete(*params); break;
        case DISPID_NAVIGATEERROR:
            if (params->cArgs >= 5 && IsMainDocument(params->rgvarg[4])) navigateFailed = true;
            break;
        case DISPID_DOCUMENTCOMPLETE:
            if (params->cArgs >= 2 && IsMainDocument(params->rgvarg[1])) documentComplete = true;
            break;
        default: break;
        }
        return S_OK;
    }

private:
    virtual ~BrowserSite() = default;

    bool IsMainDocument(const VARIANT& disp) const {
        return disp.vt == VT_DISPATCH && SameObject(disp.pdispVal, browser_.Get());
    }

    // Arguments arrive last first: pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel.
    void OnBeforeNavigate(DISPPARAMS& params) {
        if (params.cArgs < 7 || !IsMainDocument(params.rgvarg[6])) return;
        ++announced;
        if (!owner_.BeforeNavigate) return;
        bool cancel = false;
        owner_.BeforeNavigate(VariantText(ole_, &params.rgvarg[5]), cancel);
        if (cancel && params.rgvarg[0].vt == (VT_BYREF | VT_BOOL) && params.rgvarg[0].pboolVal)
            *params.rgvarg[0].pboolVal = VARIANT_TRUE;
    }

    void OnNavigateComplete(DISPPARAMS& params) {
        if (params.cArgs < 2 || !IsMainDocument(params.rgvarg[1])) return;
        if (owner_.NavigateComplete) owner_.NavigateComplete(VariantText(ole_, &params.rgvarg[0]));
    }

    HWND window_;
    const OleRuntime& ole_;
    BrowserView& owner_;
    ULONG references_ = 1;
    ComRef<IOleObject> object_;
    ComRef<IWebBrowser2> browser_;
    ComRef<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

std::unique_ptr<BrowserView> BrowserView::Create(HWND parent, int controlId) {
    const OleRuntime* ole = LoadOleRuntime();
    if (!ole) return nullptr;
    ClassInfo info;
    info.Name = kHostClass;
    info.Background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    if (!RegisterClassOnce(info)) return nullptr;
    std::unique_ptr<BrowserView> view(new BrowserView());
    RECT area = {};
    GetClientRect(parent, &area);
    if (!view->::Window::Create(kHostClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, 0, 0, 0,
                                area.right, area.bottom, parent, controlId) ||
        !view->Start())
        return nullptr;
    return view;
}

bool BrowserView::Start() {
    const OleRuntime* ole = LoadOleRuntime();
    site_ = new BrowserSite(Hwnd(), *ole, *this);
    return site_->Start();
}

BrowserView::~BrowserView() {
    if (site_) {
        site_->Stop();
        site_->Release();
        site_ = nullptr;
    }
}

LRESULT BrowserView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (site_) site_->Resize();
        return 0;
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(BodyText().size());
    case WM_GETTEXT: return OnGetText(wParam, lParam);
    default: return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT BrowserView::OnGetText(WPARAM size, LPARAM buffer) const {
    if (size == 0 || !buffer) return 0;
    const std::string text = BodyText();
    const size_t count = std::min<size_t>(text.size(), size - 1);
    text.copy(reinterpret_cast<char*>(buffer), count);
    reinterpret_cast<char*>(buffer)[count] = '\0';
    return static_cast<LRESULT>(count);
}

void BrowserView::Navigate(const std::string& url) {
    if (!site_ || !site_->Browser() || url.empty()) return;
    const OleRuntime& ole = site_->Ole();
    OwnedBstr target(ole, url);
    site_->documentComplete = false;
    site_->navigateFailed = false;
    site_->Browser()->Navigate(target.Get(), nullptr, nullptr, nullptr, nullptr);
}

std::string BrowserView::LocationURL() const {
    if (!site_ || !site_->Browser()) return std::string();
    OwnedBstr location(site_->Ole());
    if (FAILED(site_->Browser()->get_LocationURL(location.Out()))) return std::string();
    return location.Ansi();
}

bool BrowserView::HasDocument() const {
    if (!site_ || !site_->Browser()) return false;
    ComRef<IDispatch> document;
    return SUCCEEDED(site_->Browser()->get_Document(document.Out())) && document.Get() != nullptr;
}

std::string BrowserView::BodyText() const {
    if (!site_ || !site_->Browser()) return std::string();
    ComRef<IDispatch> dispatch;
    if (FAILED(site_->Browser()->get_Document(dispatch.Out())) || !dispatch.Get()) return std::string();
    ComRef<IHTMLDocument2> document;
    if (FAILED(dispatch->QueryInterface(IID_IHTMLDocument2, document.OutVoid()))) return std::string();
    ComRef<IHTMLElement> body;
    if (FAILED(document->get_body(body.Out())) || !body.Get()) return std::string();
    OwnedBstr text(site_->Ole());
    if (FAILED(body->get_innerText(text.Out()))) return std::string();
    return text.Ansi();
}

namespace {

// An element's scroll position and heights; false when it does not scroll.
bool ElementScroll(IHTMLElement* element, long& top, long& viewHeight, long& pageHeight) {
    ComRef<IHTMLElement2> scrolling;
    if (!element || FAILED(element->QueryInterface(IID_IHTMLElement2, scrolling.OutVoid()))) return false;
    return SUCCEEDED(scrolling->get_scrollTop(&top)) && SUCCEEDED(scrolling->get_clientHeight(&viewHeight)) &&
           SUCCEEDED(scrolling->get_scrollHeight(&pageHeight)) && viewHeight > 0;
}

}  // namespace

// The page scrolls on its root element in standards mode and on its body
// otherwise: the one with more to scroll is the one the user moves.
bool BrowserView::ScrollState(long& top, long& viewHeight, long& pageHeight) const {
    top = viewHeight = pageHeight = 0;
    if (!site_ || !site_->Browser()) return false;
    ComRef<IDispatch> dispatch;
    if (FAILED(site_->Browser()->get_Document(dispatch.Out())) || !dispatch.Get()) return false;
    ComRef<IHTMLDocument2> document;
    if (FAILED(dispatch->QueryInterface(IID_IHTMLDocument2, document.OutVoid()))) return false;
    OwnedBstr state(site_->Ole());
    if (FAILED(document->get_readyState(state.Out())) || state.Ansi() != "complete") return false;
    bool known = false;
    ComRef<IHTMLElement> body;
    if (SUCCEEDED(document->get_body(body.Out())) && ElementScroll(body.Get(), top, viewHeight, pageHeight))
        known = true;
    ComRef<IHTMLDocument3> document3;
    ComRef<IHTMLElement> root;
    long rootTop = 0, rootView = 0, rootPage = 0;
    if (SUCCEEDED(dispatch->QueryInterface(IID_IHTMLDocument3, document3.OutVoid())) &&
        SUCCEEDED(document3->get_documentElement(root.Out())) &&
        ElementScroll(root.Get(), rootTop, rootView, rootPage) &&
        (!known || rootPage - rootView > pageHeight - viewHeight)) {
        top = rootTop;
        viewHeight = rootView;
        pageHeight = rootPage;
        known = true;
    }
    return known;
}

void BrowserView::SetFullScreen(bool on) {
    if (site_ && site_->Browser()) site_->Browser()->put_FullScreen(on ? VARIANT_TRUE : VARIANT_FALSE);
}

bool BrowserView::FullScreen() const {
    VARIANT_BOOL on = VARIANT_FALSE;
    if (site_ && site_->Browser()) site_->Browser()->get_FullScreen(&on);
    return on != VARIANT_FALSE;
}

int BrowserView::AnnouncedNavigations() const { return site_ ? site_->announced : 0; }

bool BrowserView::WaitForDocument(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HasDocument()) return true;
        if (site_ && site_->navigateFailed) return false;
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(milliseconds - spent, 10), QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return HasDocument();
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// Until the document view library is linked in, the window shows the chosen
// document's location in a plain panel behind the same interface.
#include <memory>

#include "shared/docview/document_view.h"

namespace {

class PanelDocumentView : public DocumentView {
public:
    PanelDocumentView(HWND parent, int controlId) {
        window_ = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT, 0, 0, 0, 0,
                                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                                  nullptr);
    }
    HWND Window() const override { return window_; }
    void Navigate(const std::string& url) override {
        bool cancel = false;
        if (BeforeNavigate) BeforeNavigate(url, cancel);
        if (cancel) return;
        location_ = url;
        SetWindowTextA(window_, ("\r\n  " + url).c_str());
        if (NavigateComplete) NavigateComplete(url);
    }
    std::string LocationURL() const override { return location_; }
    std::string BodyText() const override { return location_; }
    void SetFullScreen(bool on) override { fullScreen_ = on; }
    bool FullScreen() const override { return fullScreen_; }

private:
    HWND window_ = nullptr;
    std::string location_;
    bool fullScreen_ = false;
};

}  // namespace

std::unique_ptr<DocumentView> CreateDocumentView(HWND parent, int controlId) {
    return std::make_unique<PanelDocumentView>(parent, controlId);
}

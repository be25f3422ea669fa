// The system web browser control (IWebBrowser2) hosted in a small OLE
// container of our own, inside a child window of class "TsrBrowserHost".
#pragma once

#include <memory>
#include <string>

#include "shared/docview/document_view.h"
#include "shared/win32/window.h"

class BrowserSite;

class BrowserView : public DocumentView, public ::Window {
public:
    // Null when the control cannot be created or activated here.
    static std::unique_ptr<BrowserView> Create(HWND parent, int controlId);
    ~BrowserView() override;

    HWND Window() const override { return Hwnd(); }
    void Navigate(const std::string& url) override;
    std::string LocationURL() const override;
    std::string BodyText() const override;
    void SetFullScreen(bool on) override;
    bool FullScreen() const override;
    bool ScrollState(long& top, long& viewHeight, long& pageHeight) const override;

    // Lets waiting messages run until the control offers a document, at most
    // for the given time. False when none came or the control reported that
    // the navigation failed (no HTML engine here does so at once).
    bool WaitForDocument(DWORD milliseconds);
    bool HasDocument() const;
    // How many times the control raised BeforeNavigate for the main document.
    int AnnouncedNavigations() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BrowserView() = default;
    bool Start();
    LRESULT OnGetText(WPARAM size, LPARAM buffer) const;

    BrowserSite* site_ = nullptr;  // a COM object: one reference held here
};

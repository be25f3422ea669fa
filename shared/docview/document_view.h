// shared/docview/document_view.h
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
class DocumentView {
public:
    virtual ~DocumentView() = default;
    virtual HWND Window() const = 0;                    // the child window to place with MoveWindow
    virtual void Navigate(const std::string& url) = 0;  // file path, file:/// URL or http(s) URL
    virtual std::string LocationURL() const = 0;        // what the view shows now
    virtual std::string BodyText() const = 0;           // the body's plain text (for reading aloud)
    virtual void SetFullScreen(bool on) = 0;
    virtual bool FullScreen() const = 0;
    // The vertical scroll position and the heights of the view and of the
    // whole page, in pixels; false while the view cannot tell yet (the page
    // still loading or being laid out).
    virtual bool ScrollState(long& top, long& viewHeight, long& pageHeight) const {
        top = viewHeight = pageHeight = 0;
        return false;
    }
    // Raised before every navigation (Navigate calls and followed links); set cancel to stop it.
    std::function<void(const std::string& url, bool& cancel)> BeforeNavigate;
    // Raised when a navigation has completed and LocationURL answers the new location.
    std::function<void(const std::string& url)> NavigateComplete;
};
// A hidden child of the document view whose text is the shown location, so
// that test drivers and screen readers can read it.
const int kDocumentLocationId = 30001;
// The system web browser control when it can show pages here, otherwise the reader view.
std::unique_ptr<DocumentView> CreateDocumentView(HWND parent, int controlId);
std::unique_ptr<DocumentView> CreateReaderView(HWND parent, int controlId);

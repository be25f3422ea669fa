// The built-in reader view: shows read pages in a scrolling child window of
// class "TsrReaderView" and answers the questions of a document view.
#pragma once

#include <memory>
#include <string>

#include "shared/docview/document_view.h"
#include "shared/win32/handles.h"
#include "shared/win32/window.h"
#include "shared/docview/gdi_measurer_win32.h"
#include "shared/docview/html_reader.h"
#include "shared/docview/open_failure.h"
#include "shared/docview/page_layout.h"

class ReaderView : public DocumentView, public ::Window {
public:
    static std::unique_ptr<ReaderView> Create(HWND parent, int controlId);

    HWND Window() const override { return Hwnd(); }
    void Navigate(const std::string& url) override;
    std::string LocationURL() const override { return location_; }
    // Nothing opened yet: the view shows a line saying so, but no document
    // has a body, so the body text stays empty.
    std::string BodyText() const override { return location_.empty() ? std::string() : Body(); }
    void SetFullScreen(bool on) override { fullScreen_ = on; }
    bool FullScreen() const override { return fullScreen_; }
    bool ScrollState(long& top, long& viewHeight, long& pageHeight) const override;

    // Navigates without raising BeforeNavigate (used when another view has
    // already raised it for this navigation).
    void NavigateAlreadyAnnounced(const std::string& url);
    int ScrollPosition() const { return scrollY_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ReaderView() = default;

    void Go(const std::string& url, bool announce);
    void Load(const std::string& url);
    void ShowFailure(const std::string& path, OpenFailure why);
    void ShowNotice(const std::string& before, const std::string& linkText, const std::string& linkTarget,
                    const std::string& after);
    void SetDocument(HtmlDocument document, std::unique_ptr<HtmlPageReader> reading, bool notice);
    void FollowLink(int link);
    bool OpenExternally(const std::string& location);

    const PageLayout& Layout() const { return layouter_.Layout(); }
    const std::string& Body() const;
    void Relayout(bool force);
    void LayOutUntil(int y, size_t blocks, DWORD budgetMs);
    void CoverTheView();
    void OnLayoutTimer();
    void UpdateScrollBar();
    void ScrollTo(int y);
    int BodyLineHeight();
    int LinkAtClient(int x, int y) const;

    void OnPaint();
    void PaintPage(HDC dc, const RECT& area);
    void OnSize();
    void OnVScroll(int code);
    void OnMouseWheel(int delta);
    bool OnKeyDown(WPARAM key);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    bool OnSetCursor();
    void OnMouseMove(int x, int y);
    LRESULT OnGetText(WPARAM size, LPARAM buffer) const;

    std::string location_;
    // A long page is read and laid out a slice at a time: the first screens at
    // once, the rest on a timer. Asking for the body text reads the page to its
    // end there and then, hence mutable.
    mutable HtmlDocument document_;
    mutable std::unique_ptr<HtmlPageReader> reading_;
    mutable std::string bodyText_;
    mutable bool bodyTextReady_ = false;
    bool notice_ = false;
    bool fullScreen_ = false;
    ReaderFonts fonts_;
    PageLayouter layouter_;  // refers to document_'s text: reset before document_ changes
    int layoutWidth_ = -1;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int scrollY_ = 0;
    int wheelRemainder_ = 0;
    int pressedLink_ = -1;
    int hoverLink_ = -1;
    GdiObject<HBITMAP> backBuffer_;
    int backWidth_ = 0;
    int backHeight_ = 0;
};

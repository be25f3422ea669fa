// docview_demo: a window that shows one document in the document view, so
// the view can be looked at and driven under Wine.
//   docview_demo.exe [--reader] [--timing FILE] [--pagedown N] [--click X,Y]
//                    [--exit-after MS] document
// The view is the child with control id 100; the label under it (id 101)
// shows the current location and the number of navigations announced.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "shared/docview/document_view.h"
#include "shared/win32/window.h"
#include "shared/win32/window_helpers.h"

namespace {

const int kViewId = 100;
const int kStatusId = 101;
const int kStatusHeight = 24;
const UINT_PTR kExitTimer = 1;

struct DemoOptions {
    bool reader = false;
    std::string timingFile;
    std::string document;
    int pageDowns = 0;
    int clickX = -1, clickY = -1;
    int exitAfterMs = 0;
};

DemoOptions ReadOptions(int argc, char** argv) {
    DemoOptions o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--reader") o.reader = true;
        else if (a == "--timing" && i + 1 < argc) o.timingFile = argv[++i];
        else if (a == "--pagedown" && i + 1 < argc) o.pageDowns = std::atoi(argv[++i]);
        else if (a == "--exit-after" && i + 1 < argc) o.exitAfterMs = std::atoi(argv[++i]);
        else if (a == "--click" && i + 1 < argc) std::sscanf(argv[++i], "%d,%d", &o.clickX, &o.clickY);
        else o.document = a;
    }
    return o;
}

// The demo's window: the view above, the status label under it.
class DemoWindow : public Window {
public:
    bool Open();
    // The document view (or the reader view alone) over the window.
    bool AddView(bool reader);
    DocumentView* View() const { return view_.get(); }
    void ShowStatus();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout();

    std::unique_ptr<DocumentView> view_;
    HWND status_ = nullptr;
    int announced_ = 0;
};

bool DemoWindow::Open() {
    ClassInfo info;
    info.Name = "TsrDocViewDemo";
    info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassOnce(info) || !Create(info.Name, "Document view", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                                            CW_USEDEFAULT, CW_USEDEFAULT, 1000, 720, nullptr))
        return false;
    status_ = CreateChildControl(Hwnd(), "STATIC", "", WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, kStatusId);
    SetControlFont(status_, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    return true;
}

bool DemoWindow::AddView(bool reader) {
    view_ = reader ? CreateReaderView(Hwnd(), kViewId) : CreateDocumentView(Hwnd(), kViewId);
    if (!view_) return false;
    view_->BeforeNavigate = [this](const std::string&, bool&) {
        ++announced_;
        ShowStatus();
    };
    view_->NavigateComplete = [this](const std::string& url) {
        SetWindowTextA(Hwnd(), ("Document view - " + url).c_str());
        ShowStatus();
    };
    Layout();
    return true;
}

void DemoWindow::ShowStatus() {
    if (!status_ || !view_) return;
    std::string text =
        "Location: " + view_->LocationURL() + "    (navigations announced: " + std::to_string(announced_) + ")";
    SetWindowTextA(status_, text.c_str());
}

void DemoWindow::Layout() {
    if (!view_) return;
    RECT area;
    GetClientRect(Hwnd(), &area);
    MoveWindow(view_->Window(), 0, 0, area.right, area.bottom - kStatusHeight, TRUE);
    MoveWindow(status_, 0, area.bottom - kStatusHeight, area.right, kStatusHeight, TRUE);
}

LRESULT DemoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: Layout(); return 0;
    case WM_SETFOCUS:
        if (view_) SetFocus(view_->Window());
        return 0;
    case WM_TIMER:
        if (wParam == kExitTimer) DestroyWindow(Hwnd());
        return 0;
    case WM_DESTROY:
        view_.reset();
        PostQuitMessage(0);
        return 0;
    default: return DefaultHandling(message, wParam, lParam);
    }
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    LARGE_INTEGER t0, t1, t2, t3;
    QueryPerformanceCounter(&t0);
    DemoOptions options = ReadOptions(__argc, __argv);
    DemoWindow demo;
    if (!demo.Open()) return 1;
    QueryPerformanceCounter(&t1);
    if (!demo.AddView(options.reader)) return 2;
    DocumentView& view = *demo.View();
    QueryPerformanceCounter(&t2);
    if (!options.document.empty()) view.Navigate(options.document);
    view.SetFullScreen(true);
    ShowWindow(demo.Hwnd(), show);
    UpdateWindow(demo.Hwnd());
    QueryPerformanceCounter(&t3);
    demo.ShowStatus();
    SetFocus(view.Window());

    HWND focused = GetFocus();
    for (int i = 0; i < options.pageDowns && focused; ++i) SendMessageA(focused, WM_KEYDOWN, VK_NEXT, 0);
    if (options.clickX >= 0 && focused) {
        LPARAM at = MAKELPARAM(options.clickX, options.clickY);
        SendMessageA(focused, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(focused, WM_LBUTTONUP, 0, at);
    }
    if (!options.timingFile.empty()) {
        if (FILE* out = std::fopen(options.timingFile.c_str(), "w")) {
            std::fprintf(out, "create_view_ms=%.1f navigate_and_paint_ms=%.1f total_ms=%.1f view_class=",
                         Milliseconds(t1, t2), Milliseconds(t2, t3), Milliseconds(t0, t3));
            char name[64] = "";
            HWND inner = GetWindow(view.Window(), GW_CHILD);
            GetClassNameA(inner ? inner : view.Window(), name, sizeof(name));
            std::fprintf(out, "%s\n", name);
            std::fclose(out);
        }
    }
    if (options.exitAfterMs > 0) SetTimer(demo.Hwnd(), kExitTimer, static_cast<UINT>(options.exitAfterMs), nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(demo.Hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}

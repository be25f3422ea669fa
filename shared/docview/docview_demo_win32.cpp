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

struct DemoState {
    std::unique_ptr<DocumentView> view;
    HWND status = nullptr;
    int announced = 0;
};
DemoState* g_demo = nullptr;  // the demo's one window

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

void ShowStatus() {
    if (!g_demo || !g_demo->status || !g_demo->view) return;
    std::string text = "Location: " + g_demo->view->LocationURL() +
                       "    (navigations announced: " + std::to_string(g_demo->announced) + ")";
    SetWindowTextA(g_demo->status, text.c_str());
}

void Layout(HWND window) {
    if (!g_demo || !g_demo->view) return;
    RECT area;
    GetClientRect(window, &area);
    MoveWindow(g_demo->view->Window(), 0, 0, area.right, area.bottom - kStatusHeight, TRUE);
    MoveWindow(g_demo->status, 0, area.bottom - kStatusHeight, area.right, kStatusHeight, TRUE);
}

LRESULT CALLBACK DemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: Layout(window); return 0;
    case WM_SETFOCUS:
        if (g_demo && g_demo->view) SetFocus(g_demo->view->Window());
        return 0;
    case WM_TIMER:
        if (wParam == kExitTimer) DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (g_demo) g_demo->view.reset();
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    LARGE_INTEGER t0, t1, t2, t3;
    QueryPerformanceCounter(&t0);
    DemoOptions options = ReadOptions(__argc, __argv);
    DemoState state;
    g_demo = &state;

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DemoProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TsrDocViewDemo";
    RegisterClassExA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Document view", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 1000, 720, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    state.status =
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0, 0, 0, 0, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), instance, nullptr);
    SendMessageA(state.status, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    QueryPerformanceCounter(&t1);
    state.view = options.reader ? CreateReaderView(window, kViewId) : CreateDocumentView(window, kViewId);
    if (!state.view) return 2;
    state.view->BeforeNavigate = [&state](const std::string&, bool&) {
        ++state.announced;
        ShowStatus();
    };
    state.view->NavigateComplete = [](const std::string& url) {
        SetWindowTextA(GetAncestor(g_demo->status, GA_PARENT), ("Document view - " + url).c_str());
        ShowStatus();
    };
    Layout(window);
    QueryPerformanceCounter(&t2);
    if (!options.document.empty()) state.view->Navigate(options.document);
    state.view->SetFullScreen(true);
    ShowWindow(window, show);
    UpdateWindow(window);
    QueryPerformanceCounter(&t3);
    ShowStatus();
    SetFocus(state.view->Window());

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
            HWND inner = GetWindow(state.view->Window(), GW_CHILD);
            GetClassNameA(inner ? inner : state.view->Window(), name, sizeof(name));
            std::fprintf(out, "%s\n", name);
            std::fclose(out);
        }
    }
    if (options.exitAfterMs > 0) SetTimer(window, kExitTimer, static_cast<UINT>(options.exitAfterMs), nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    g_demo = nullptr;
    return 0;
}

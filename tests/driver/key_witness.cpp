// A bystander window for the locked-desktop scenarios: every key that
// reaches it (pressed, as a system key or not) is appended to
// "key_witness.out" in the current folder as its virtual-key code in hex,
// so a scenario can tell which keys another program let through.
#include <windows.h>

#include <cstdio>

#include "shared/win32/window.h"

namespace {

const char kClassName[] = "TsrKeyWitness";

class KeyWitness : public Window {
public:
    bool Open() {
        ClassInfo info;
        info.Name = kClassName;
        info.Background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        if (!RegisterClassOnce(info)) return false;
        return Create(kClassName, "Key Witness", WS_OVERLAPPEDWINDOW, 0, 40, 40, 300, 160, nullptr) != nullptr;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: Note(wParam); break;
        // Alt alone (its partner key swallowed elsewhere) must not put the
        // window into menu mode, where the keys after it would go unseen.
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU) return 0;
            break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }

private:
    static void Note(WPARAM key) {
        if (FILE* out = std::fopen("key_witness.out", "a")) {
            std::fprintf(out, "%02X\n", static_cast<unsigned>(key));
            std::fclose(out);
        }
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    KeyWitness window;
    if (!window.Open()) return 11;
    ShowWindow(window.Hwnd(), show);
    UpdateWindow(window.Hwnd());
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

// Entry of the administration console: one main window, its message loop.
#include <windows.h>

#include "admin/console/admin_window_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    frmTessarinAdmin window;
    if (!window.Open(instance, showCommand)) return 1;
    return window.RunMessageLoop();
}

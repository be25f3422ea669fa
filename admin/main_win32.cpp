// Entry of the administration console: one main window, its message loop.
#include <windows.h>

#include "admin/console/admin_window_win32.h"
#include "admin/console/console_bench_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    frmTessarinAdmin window;
    if (!window.Open(instance, showCommand)) return 1;
    const std::string bench = BenchResultFile();
    if (!bench.empty()) return WriteConsoleBench(window, bench) ? 0 : 1;
    return window.RunMessageLoop();
}

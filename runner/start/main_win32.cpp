// Entry of the declaration program: decide at once whether the declaration
// is due; when it is not, end before anything else is loaded.
#include <windows.h>

#include "runner/window/declaration_window_win32.h"
#include "runner/start/run_control.h"
#include "runner/start/screen_saver.h"
#include "shared/calendar_win32.h"
#include "shared/identity.h"
#include "shared/registry_win32.h"

namespace {

int RunMessageLoop(DeclarationWindow& window) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        window.OnInput(message);
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int Main(HINSTANCE instance, const char* commandLine) {
    Win32Calendar calendar;
    RunControl run(commandLine ? commandLine : "", AppFolder(), calendar, GetLogonUserName);
    run.LoadSettings();
    auto window = run.IsDeclarationDue() ? CreateDeclarationWindow(instance, run) : nullptr;
    Win32Registry registry;
    RegisterScreenSaver(registry, run, AppExePath());
    return window ? RunMessageLoop(*window) : 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) { return Main(instance, commandLine); }

// Entry of the setup tool: no window and no console; the command text after
// the program name is all it reads.
#include <windows.h>

#include "setup/kelvane.h"
#include "setup/kelvane_system_win32.h"
#include "shared/registry_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    Win32Registry registry;
    Win32KelvaneSystem system;
    return RunKelvane(registry, system, commandLine ? commandLine : "");
}

// frmTessarinAdmin: the console's main window.
#pragma once

#include <windows.h>

#include "shared/win32/window.h"

class frmTessarinAdmin : public Window {
public:
    bool Open(HINSTANCE instance, int showCommand);
    int RunMessageLoop();
};

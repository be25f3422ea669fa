#include "admin/console/admin_window_win32.h"

bool frmTessarinAdmin::Open(HINSTANCE, int) { return false; }

int frmTessarinAdmin::RunMessageLoop() { return 0; }

// The console window's position under the per-user application settings
// (HKEY_CURRENT_USER\Software\VB and VBA Program Settings\TsrAdmin\Settings,
// values as decimal text), where earlier versions of the console kept it.
#pragma once

#include "admin/console/window_position.h"

TwipsPlacement LoadWindowPosition();
void SaveWindowPosition(const TwipsPlacement& placement);

// The common dialogs behind GetDiag and the File menu.
#pragma once

#include <windows.h>

#include <string>

#include "admin/console/picker_table.h"

// Opens the dialog the header asks for; the chosen path or colour (decimal
// 0x00BBGGRR), or current when cancelled, failed or no dialog applies.
std::string RunPicker(HWND owner, const PickerDialog& picker, const std::string& current);
// File > Open...: an open dialog titled "Open" over all files.
void ShowOpenFileDialog(HWND owner);
// File > Page Setup...: the print set-up dialog.
void ShowPageSetupDialog(HWND owner);

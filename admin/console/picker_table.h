// The one picker of the console (GetDiag): which dialog each header opens,
// where a file dialog starts and what it offers.
#pragma once

#include <string>

enum class PickerKind { None, OpenFile, Colour };

struct PickerDialog {
    PickerKind Kind = PickerKind::None;
    std::string StartFolder;  // file dialogs
    std::string Pattern;      // the file name preset, which acts as the pattern
    std::string FilterText;   // the filter's description
};

// Header comparison is exact; unknown headers pick nothing.
PickerDialog PickerFor(const std::string& header, const std::string& appFolder);

// The open dialog's filter: description and pattern, each NUL-terminated,
// and a final NUL (a pattern's trailing ";" is dropped).
std::string OpenDialogFilter(const PickerDialog& picker);

// The colour dialog's answer as the console stores it: the decimal 0x00BBGGRR.
std::string ColourText(unsigned long colour);

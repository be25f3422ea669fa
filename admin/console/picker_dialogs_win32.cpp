#include "admin/console/picker_dialogs_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {

std::string OpenFile(HWND owner, const PickerDialog& picker, const std::string& current) {
    const std::string filter = OpenDialogFilter(picker);
    std::vector<char> file(32768, '\0');
    picker.Pattern.copy(file.data(), std::min(picker.Pattern.size(), file.size() - 1));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = picker.StartFolder.empty() ? nullptr : picker.StartFolder.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetOpenFileNameA(&dialog)) return current;
    return file.data();
}

std::string ChooseColour(HWND owner, const std::string& current) {
    static COLORREF custom[16] = {};  // the dialog's custom colours, kept for the run
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_ANYCOLOR;
    if (!ChooseColorA(&dialog)) return current;
    return ColourText(dialog.rgbResult);
}

}  // namespace

std::string RunPicker(HWND owner, const PickerDialog& picker, const std::string& current) {
    switch (picker.Kind) {
    case PickerKind::OpenFile: return OpenFile(owner, picker, current);
    case PickerKind::Colour: return ChooseColour(owner, current);
    case PickerKind::None: break;
    }
    return current;
}

void ShowOpenFileDialog(HWND owner) {
    char file[MAX_PATH * 4] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrTitle = "Open";
    dialog.lpstrFilter = "All Files (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    GetOpenFileNameA(&dialog);  // the chosen name is not used further
}

void ShowPageSetupDialog(HWND owner) {
    PAGESETUPDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PSD_DEFAULTMINMARGINS;
    if (PageSetupDlgA(&dialog)) {
        if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
        if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    }
}

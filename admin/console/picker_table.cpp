#include "admin/console/picker_table.h"

namespace {

struct Row {
    const char* Header;
    PickerKind Kind;
    const char* Folder;  // below the application folder; null: absolute below
    const char* Absolute;
    const char* Pattern;
    const char* Filter;
};

const Row kRows[] = {
    {"Declaration Document", PickerKind::OpenFile, "\\Documents\\", nullptr, "*.htm;*.html;*.pdf",
     "File (*.htm;*.html;*.pdf)"},
    {"Doc Date", PickerKind::OpenFile, "\\Documents\\", nullptr, "*.htm;*.html;*.pdf", "File (*.htm;*.html;*.pdf)"},
    {"Declaration Ini", PickerKind::OpenFile, "\\Profiles\\", nullptr, "*.ini;", "File (*.ini)"},
    {"Document Dates", PickerKind::OpenFile, "\\Documents\\", nullptr, "*.ini", "File (*.ini)"},
    {"Users", PickerKind::OpenFile, nullptr, "C:\\", "*.txt", "File (*.txt)"},
    {"Border Background Colour", PickerKind::Colour, nullptr, nullptr, "", ""},
};

}  // namespace

PickerDialog PickerFor(const std::string& header, const std::string& appFolder) {
    for (const Row& row : kRows) {
        if (header != row.Header) continue;
        PickerDialog picker;
        picker.Kind = row.Kind;
        if (row.Folder) picker.StartFolder = appFolder + row.Folder;
        if (row.Absolute) picker.StartFolder = row.Absolute;
        picker.Pattern = row.Pattern;
        picker.FilterText = row.Filter;
        return picker;
    }
    return {};
}

std::string OpenDialogFilter(const PickerDialog& picker) {
    std::string pattern = picker.Pattern;
    if (!pattern.empty() && pattern.back() == ';') pattern.pop_back();
    std::string filter = picker.FilterText;
    filter += '\0';
    filter += pattern;
    filter += '\0';
    filter += '\0';
    return filter;
}

std::string ColourText(unsigned long colour) { return std::to_string(colour & 0xFFFFFFUL); }

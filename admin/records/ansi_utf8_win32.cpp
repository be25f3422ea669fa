#include <windows.h>

#include <vector>

#include "admin/records/ansi_utf8.h"

std::string Utf8FromAnsiCodePage(const std::string& ansi) {
    if (ansi.empty()) return std::string();
    const int size = static_cast<int>(ansi.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    if (wide <= 0) return Utf8FromWindows1252(ansi);
    std::vector<wchar_t> text(static_cast<std::size_t>(wide));
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, text.data(), wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return Utf8FromWindows1252(ansi);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, &out[0], bytes, nullptr, nullptr);
    return out;
}

// UTF-8 to ANSI through the system's conversion functions.
#include "shared/docview/text_convert_win32.h"

#include <windows.h>

#include <vector>

std::string Utf8ToAnsi(const std::string& text) {
    if (text.empty()) return text;
    if (text.size() > 0x7FFFFFFF / 2) return std::string();
    const int length = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    if (wide <= 0) return text;
    std::vector<wchar_t> buffer(static_cast<size_t>(wide));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, buffer.data(), wide);
    int narrow = WideCharToMultiByte(CP_ACP, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    if (narrow <= 0) return text;
    std::string out(static_cast<size_t>(narrow), '\0');
    WideCharToMultiByte(CP_ACP, 0, buffer.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
}

std::string CodePointToAnsi(std::uint32_t codePoint) {
    wchar_t wide[2];
    int count = 1;
    if (codePoint >= 0x10000 && codePoint <= 0x10FFFF) {
        codePoint -= 0x10000;
        wide[0] = static_cast<wchar_t>(0xD800 + (codePoint >> 10));
        wide[1] = static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
        count = 2;
    } else if (codePoint == 0 || codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return "?";
    } else {
        wide[0] = static_cast<wchar_t>(codePoint);
    }
    char out[8];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(CP_ACP, 0, wide, count, out, sizeof(out), nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return "?";
    return std::string(out, static_cast<size_t>(n));
}

ReadOptions AnsiReadOptions() {
    ReadOptions options;
    options.utf8ToAnsi = Utf8ToAnsi;
    options.codePointToAnsi = CodePointToAnsi;
    return options;
}

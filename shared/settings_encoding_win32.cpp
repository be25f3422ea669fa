#include <windows.h>

#include "shared/settings_encoding.h"

std::string AnsiFromCodePoint(unsigned long codePoint) {
    wchar_t units[2];
    int count = 1;
    if (codePoint >= 0x10000) {
        codePoint -= 0x10000;
        units[0] = static_cast<wchar_t>(0xD800 + (codePoint >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(codePoint);
    }
    char bytes[8] = {};
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, 0, units, count, bytes, sizeof bytes, "?", &lossy);
    return n > 0 ? std::string(bytes, static_cast<std::size_t>(n)) : std::string("?");
}

#include "runner/document/user_language_win32.h"

#include <windows.h>

std::string UserInterfaceLanguage() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID language = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    const int length = LCIDToLocaleName(language, name, LOCALE_NAME_MAX_LENGTH, 0);
    std::string text;
    // Locale names are plain ASCII: anything else is not one.
    for (int i = 0; i + 1 < length; ++i) {
        if (name[i] > 0x7F) return std::string();
        text += static_cast<char>(name[i]);
    }
    return text;
}

#include "shared/settings_encoding.h"

// Natively the tests stand Latin-1 in for the code page.
std::string AnsiFromCodePoint(unsigned long codePoint) {
    return codePoint < 0x100 ? std::string(1, static_cast<char>(codePoint)) : std::string("?");
}

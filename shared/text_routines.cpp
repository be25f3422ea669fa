#include "shared/text_routines.h"

#include <cctype>
#include <cstdlib>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

std::string Trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string TrimBlanks(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

namespace {

// The lower and upper case of every byte.
struct CaseTables {
    unsigned char Lower[256];
    unsigned char Upper[256];
};

#ifdef _WIN32
// A byte's case as the system maps its character, when the result is one
// byte of the code page again (else the byte stays).
unsigned char SystemCase(wchar_t wide, DWORD mapping, unsigned char byte) {
    wchar_t mapped = 0;
    if (LCMapStringW(LOCALE_INVARIANT, mapping, &wide, 1, &mapped, 1) != 1) return byte;
    char back = 0;
    BOOL lossy = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, &mapped, 1, &back, 1, nullptr, &lossy) != 1 || lossy) return byte;
    return static_cast<unsigned char>(back);
}
#endif

// ASCII by rule; past it, on Windows the system code page as the system maps
// it (kernel32 only, so a start that reads settings loads nothing more), and
// elsewhere the Western code page: the Latin-1 letters and the four the code
// page keeps in 0x80-0x9F.
CaseTables MakeCaseTables() {
    CaseTables t;
    for (int i = 0; i < 256; ++i) t.Lower[i] = t.Upper[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) {
        t.Lower[c] = static_cast<unsigned char>(c + 32);
        t.Upper[c + 32] = static_cast<unsigned char>(c);
    }
#ifdef _WIN32
    for (int i = 0x80; i < 256; ++i) {
        const char byte = static_cast<char>(i);
        wchar_t wide = 0;
        // A lead byte of a double-byte code page alone is no character.
        if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1) continue;
        t.Lower[i] = SystemCase(wide, LCMAP_LOWERCASE, static_cast<unsigned char>(i));
        t.Upper[i] = SystemCase(wide, LCMAP_UPPERCASE, static_cast<unsigned char>(i));
    }
#else
    const std::pair<int, int> pairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
    for (const auto& pair : pairs) {
        t.Lower[pair.first] = static_cast<unsigned char>(pair.second);
        t.Upper[pair.second] = static_cast<unsigned char>(pair.first);
    }
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c == 0xD7) continue;  // the multiplication sign
        t.Lower[c] = static_cast<unsigned char>(c + 32);
        t.Upper[c + 32] = static_cast<unsigned char>(c);
    }
#endif
    return t;
}

// Made once: the code page does not change while a program runs.
const CaseTables& Cases() {
    static const CaseTables tables = MakeCaseTables();
    return tables;
}

unsigned char LowerByte(unsigned char c) { return Cases().Lower[c]; }

}  // namespace

char ToLowerChar(char c) { return static_cast<char>(LowerByte(static_cast<unsigned char>(c))); }
char ToUpperChar(char c) { return static_cast<char>(Cases().Upper[static_cast<unsigned char>(c)]); }

std::string ToLower(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = ToLowerChar(c);
    return out;
}

std::string ToUpper(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = ToUpperChar(c);
    return out;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerByte(static_cast<unsigned char>(a[i])) != LowerByte(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

bool IsYes(const std::string& text) { return ToLower(Trim(text)) != "no"; }

std::string YesNoText(bool value) { return value ? "Yes" : "No"; }

std::string FirstItem(const std::string& text) {
    std::size_t comma = text.find(',');
    return comma == std::string::npos ? text : text.substr(0, comma);
}

std::string AddIniExtension(const std::string& name) {
    if (ToLower(name).find(".ini") != std::string::npos) return name;
    return name + ".ini";
}

long MaxOf(long value, long whole) { return value > whole ? value : whole; }

std::string ReplaceFirst(const std::string& text, const std::string& find, const std::string& replacement) {
    if (find.empty()) return text;
    std::size_t at = text.find(find);
    if (at == std::string::npos) return text;
    return text.substr(0, at) + replacement + text.substr(at + find.size());
}

std::string CutAtNull(const std::string& text) {
    // Meant for fixed-size fields the system fills: text without a NUL is
    // not such a field and gives nothing.
    std::size_t nul = text.find('\0');
    if (nul == std::string::npos) return std::string();
    return text.substr(0, nul);
}

std::string WrapText(const std::string& text, int width) {
    if (width <= 0 || static_cast<std::size_t>(width) >= text.size()) return text;
    const std::size_t w = static_cast<std::size_t>(width);
    std::string out(text);
    // Each window starts where the current line starts (after the inserted
    // CR, the LF counting as one of its characters); wrapping goes on while
    // the rest of the text does not fit into one window.
    std::size_t start = 0;
    while (out.size() - start > w) {
        std::size_t space = out.rfind(' ', start + w - 1);
        if (space == std::string::npos || space < start) break;
        out.replace(space, 1, "\r\n");
        start = space + 1;
    }
    return out;
}

bool ReadsAsNumber(const std::string& text, double* value) {
    std::size_t i = 0, n = text.size();
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < n && blank(text[i])) ++i;
    while (n > i && blank(text[n - 1])) --n;
    if (i == n) return false;
    std::size_t begin = i;
    if (text[i] == '+' || text[i] == '-') ++i;
    std::size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t mark = i++;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) i = mark;  // "1e" is not a number
    }
    if (i != n) return false;
    if (value) {
        std::string number = text.substr(begin, n - begin);
        *value = std::strtod(number.c_str(), nullptr);
    }
    return true;
}

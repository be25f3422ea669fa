#include "shared/text_routines.h"

#include <cctype>
#include <cstdlib>

std::string Trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

// Lower case of one byte in the Western ANSI code page (1252): ASCII, the
// Latin-1 capitals and the four capitals the code page keeps in 0x80-0x9F.
unsigned char LowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

}  // namespace

char ToLowerChar(char c) { return static_cast<char>(LowerByte(static_cast<unsigned char>(c))); }

std::string ToLower(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
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

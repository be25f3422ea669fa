#include "admin/records/ansi_utf8.h"

namespace {

// Windows-1252 bytes 0x80-0x9F; 0 marks the unassigned ones.
const unsigned short kHigh1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

void AppendUtf8(unsigned long cp, std::string* out) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out->push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

unsigned long NextCodePoint(const std::string& utf8, std::size_t* at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(*at);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || *at + length > utf8.size()) {
        ++*at;
        return 0xFFFD;
    }
    unsigned long cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(*at + i);
        if ((next & 0xC0) != 0x80) {
            ++*at;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    *at += length;
    return cp;
}

std::string Utf8FromWindows1252(const std::string& ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (const char c : ansi) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80) out.push_back(c);
        else if (b < 0xA0 && kHigh1252[b - 0x80] != 0) AppendUtf8(kHigh1252[b - 0x80], &out);
        else AppendUtf8(b, &out);
    }
    return out;
}

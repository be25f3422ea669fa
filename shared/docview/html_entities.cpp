// Character references and the encodings they are written out in.
#include "shared/docview/html_entities.h"

#include <algorithm>
#include <cstring>

namespace {

struct NamedEntity {
    const char* name;
    std::uint32_t codePoint;
};

// Sorted by name (byte order) for the binary search below.
const NamedEntity kEntities[] = {
    {"AElig", 198},   {"Aacute", 193}, {"Acirc", 194},   {"Agrave", 192},  {"Aring", 197},  {"Atilde", 195},
    {"Auml", 196},    {"Ccedil", 199}, {"Eacute", 201},  {"Ecirc", 202},   {"Egrave", 200}, {"Euml", 203},
    {"Iacute", 205},  {"Icirc", 206},  {"Igrave", 204},  {"Iuml", 207},    {"Ntilde", 209}, {"Oacute", 211},
    {"Ocirc", 212},   {"Ograve", 210}, {"Oslash", 216},  {"Otilde", 213},  {"Ouml", 214},   {"Uacute", 218},
    {"Ucirc", 219},   {"Ugrave", 217}, {"Uuml", 220},    {"Yacute", 221},  {"aacute", 225}, {"acirc", 226},
    {"acute", 180},   {"aelig", 230},  {"agrave", 224},  {"amp", 38},      {"apos", 39},    {"aring", 229},
    {"atilde", 227},  {"auml", 228},   {"brvbar", 166},  {"bull", 8226},   {"ccedil", 231}, {"cedil", 184},
    {"cent", 162},    {"copy", 169},   {"curren", 164},  {"dagger", 8224}, {"deg", 176},    {"divide", 247},
    {"eacute", 233},  {"ecirc", 234},  {"egrave", 232},  {"euml", 235},    {"euro", 8364},  {"frac12", 189},
    {"frac14", 188},  {"frac34", 190}, {"gt", 62},       {"hellip", 8230}, {"iacute", 237}, {"icirc", 238},
    {"iexcl", 161},   {"igrave", 236}, {"iquest", 191},  {"iuml", 239},    {"laquo", 171},  {"ldquo", 8220},
    {"lsaquo", 8249}, {"lsquo", 8216}, {"lt", 60},       {"macr", 175},    {"mdash", 8212}, {"micro", 181},
    {"middot", 183},  {"nbsp", 160},   {"ndash", 8211},  {"not", 172},     {"ntilde", 241}, {"oacute", 243},
    {"ocirc", 244},   {"ograve", 242}, {"ordf", 170},    {"ordm", 186},    {"oslash", 248}, {"otilde", 245},
    {"ouml", 246},    {"para", 182},   {"permil", 8240}, {"plusmn", 177},  {"pound", 163},  {"quot", 34},
    {"raquo", 187},   {"rdquo", 8221}, {"reg", 174},     {"rsaquo", 8250}, {"rsquo", 8217}, {"sbquo", 8218},
    {"sect", 167},    {"shy", 173},    {"sup1", 185},    {"sup2", 178},    {"sup3", 179},   {"szlig", 223},
    {"thorn", 254},   {"times", 215},  {"trade", 8482},  {"uacute", 250},  {"ucirc", 251},  {"ugrave", 249},
    {"uml", 168},     {"uuml", 252},   {"yacute", 253},  {"yen", 165},     {"yuml", 255},
};

// Windows-1252 bytes 0x80-0x9F and the code points they stand for (0 = unused).
const std::uint16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

bool LookUpNamedEntity(const std::string& name, std::uint32_t* codePoint) {
    const NamedEntity* begin = std::begin(kEntities);
    const NamedEntity* end = std::end(kEntities);
    const NamedEntity* found = std::lower_bound(begin, end, name, [](const NamedEntity& e, const std::string& n) {
        return std::strcmp(e.name, n.c_str()) < 0;
    });
    if (found == end || name != found->name) return false;
    *codePoint = found->codePoint;
    return true;
}

std::string EncodeUtf8(std::uint32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0) cp = 0xFFFD;
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::string EncodeWindows1252(std::uint32_t cp) {
    if ((cp > 0 && cp < 0x80) || (cp >= 0xA0 && cp <= 0xFF)) return std::string(1, static_cast<char>(cp));
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == cp) return std::string(1, static_cast<char>(0x80 + i));
    }
    return "?";
}

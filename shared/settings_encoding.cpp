#include "shared/settings_encoding.h"

namespace {

bool StartsWith(const std::string& bytes, const char* mark, std::size_t size) {
    return bytes.size() >= size && bytes.compare(0, size, mark, size) == 0;
}

std::string FromUtf16(const std::string& bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned char a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        unsigned long unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const unsigned char c = static_cast<unsigned char>(bytes[i + 2]);
            const unsigned char d = static_cast<unsigned char>(bytes[i + 3]);
            const unsigned long low = bigEndian ? (c << 8 | d) : (d << 8 | c);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        text += AnsiFromCodePoint(unit);
    }
    return text;
}

// UTF-8 as written by an editor; a malformed byte stands for itself.
std::string FromUtf8(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 3; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        unsigned long code = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : extra == 1 ? lead & 0x1F : lead;
        bool ok = lead < 0x80 || extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= bytes.size()) {
                ok = false;
                break;
            }
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            ok = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3F);
        }
        if (!ok) {
            text += static_cast<char>(lead);
            ++i;
            continue;
        }
        text += lead < 0x80 ? std::string(1, static_cast<char>(lead)) : AnsiFromCodePoint(code);
        i += 1 + extra;
    }
    return text;
}

}  // namespace

std::string SettingsTextFromFile(const std::string& bytes) {
    std::string text;
    if (StartsWith(bytes, "\xFF\xFE", 2)) {
        text = FromUtf16(bytes, false);
    } else if (StartsWith(bytes, "\xFE\xFF", 2)) {
        text = FromUtf16(bytes, true);
    } else if (StartsWith(bytes, "\xEF\xBB\xBF", 3)) {
        text = FromUtf8(bytes);
    } else {
        text = bytes;
    }
    if (text.find('\r') == std::string::npos) {
        for (char& c : text)
            if (c == '\n') c = '\r';
    }
    return text;
}

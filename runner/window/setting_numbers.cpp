#include "runner/window/setting_numbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

double NumericValue(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return 0.0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && std::isdigit(static_cast<unsigned char>(text[e]))) {
            while (e < text.size() && std::isdigit(static_cast<unsigned char>(text[e]))) ++e;
            i = e;
        }
    }
    double value = std::strtod(text.substr(start, i - start).c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

int NumericValue16(const std::string& text) {
    double value = std::nearbyint(NumericValue(text));
    if (value < -32768.0 || value > 32767.0) return 0;
    return static_cast<int>(value);
}

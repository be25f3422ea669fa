#include "runner/window/colour.h"

#include <cmath>

#include "runner/window/program_random.h"
#include "shared/text_routines.h"

std::int32_t Str2ColorInt(std::string& strColor, std::int32_t defaultColour, ProgramRandom& random,
                          std::uint32_t seed) {
    random.Reseed(seed);
    strColor = ToLower(Trim(strColor));
    struct Named {
        const char* Name;
        std::int32_t Colour;
    };
    static const Named names[] = {
        {"red", 255},       {"black", 0},          {"green", 65280},   {"yellow", 65535},
        {"blue", 0xFF0000}, {"magenta", 0xFF00FF}, {"cyan", 0xFFFF00}, {"white", 0xFFFFFF},
    };
    if (strColor == "default") return defaultColour;
    for (const Named& n : names)
        if (strColor == n.Name) return n.Colour;
    if (strColor == "random") {
        std::int32_t r = static_cast<std::int32_t>(255 * random.Next());
        std::int32_t g = static_cast<std::int32_t>(255 * random.Next());
        std::int32_t b = static_cast<std::int32_t>(255 * random.Next());
        return r | (g << 8) | (b << 16);
    }
    double value = 0;
    if (ReadsAsNumber(strColor, &value)) {
        value = std::nearbyint(value);
        // Numbers beyond a 32-bit value are garbage like any other text.
        if (value >= -2147483648.0 && value <= 2147483647.0) return static_cast<std::int32_t>(value);
    }
    return 0;
}

std::uint32_t ScreenColour(std::int32_t colour) { return static_cast<std::uint32_t>(colour) & 0x00FFFFFFu; }

std::uint32_t ReadableTextColour(std::int32_t background) {
    const std::uint32_t c = ScreenColour(background);
    const double luminance = 0.299 * (c & 255) + 0.587 * ((c >> 8) & 255) + 0.114 * ((c >> 16) & 255);
    return luminance < 140 ? 0xFFFFFFu : 0u;
}

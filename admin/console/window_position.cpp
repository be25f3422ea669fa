#include "admin/console/window_position.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "shared/text_routines.h"

namespace {

int Scaled(long twips, int perPixel) {
    if (perPixel <= 0) perPixel = 15;
    const long long half = perPixel / 2;
    const long long t = twips;
    return static_cast<int>(t >= 0 ? (t + half) / perPixel : -((-t + half) / perPixel));
}

// How much of the window's top strip (where the caption is) lies on an area.
long long VisibleCaption(const PixelRect& w, const PixelRect& area) {
    const int strip = std::min(w.Height, 30);
    const long long left = std::max(w.X, area.X), right = std::min(w.X + w.Width, area.X + area.Width);
    const long long top = std::max(w.Y, area.Y), bottom = std::min(w.Y + strip, area.Y + area.Height);
    return right > left && bottom > top ? (right - left) * (bottom - top) : 0;
}

}  // namespace

long StoredTwips(const std::string& text, long defaultValue) {
    const std::string t = Trim(text);
    if (t.empty()) return defaultValue;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(t.c_str(), &end, 10);
    if (errno || !end || *end || value < INT_MIN / 2 || value > INT_MAX / 2) return defaultValue;
    return static_cast<long>(value);
}

PixelRect ToPixels(const TwipsPlacement& twips, int twipsPerPixelX, int twipsPerPixelY) {
    return {Scaled(twips.Left, twipsPerPixelX), Scaled(twips.Top, twipsPerPixelY), Scaled(twips.Width, twipsPerPixelX),
            Scaled(twips.Height, twipsPerPixelY)};
}

TwipsPlacement ToTwips(const PixelRect& pixels, int twipsPerPixelX, int twipsPerPixelY) {
    return {static_cast<long>(pixels.X) * twipsPerPixelX, static_cast<long>(pixels.Y) * twipsPerPixelY,
            static_cast<long>(pixels.Width) * twipsPerPixelX, static_cast<long>(pixels.Height) * twipsPerPixelY};
}

PixelRect KeepOnScreen(const PixelRect& wanted, const std::vector<PixelRect>& workAreas, const PixelRect& primary,
                       int minWidth, int minHeight, int twipsPerPixelX, int twipsPerPixelY) {
    PixelRect w = wanted;
    w.Width = std::max(w.Width, minWidth);
    w.Height = std::max(w.Height, minHeight);
    const PixelRect* home = nullptr;
    long long best = 0;
    for (const PixelRect& area : workAreas) {
        const long long seen = VisibleCaption(w, area);
        if (seen > best) best = seen, home = &area;
    }
    // Enough of the caption to grab it with the mouse, or it is lost.
    if (!home || best < 40LL * std::min(w.Height, 30)) {
        const PixelRect place = ToPixels(TwipsPlacement{}, twipsPerPixelX, twipsPerPixelY);
        w.X = primary.X + place.X;
        w.Y = primary.Y + place.Y;
        home = &primary;
    }
    w.Width = std::min(w.Width, std::max(home->Width, minWidth));
    w.Height = std::min(w.Height, std::max(home->Height, minHeight));
    // Pull back a window that hangs over the right or bottom edge.
    w.X = std::max(home->X, std::min(w.X, home->X + home->Width - w.Width));
    w.Y = std::max(home->Y, std::min(w.Y, home->Y + home->Height - w.Height));
    return w;
}

#include "shared/tips/balloon_tip_values.h"

#include <cmath>

namespace {

const long kIdIsHwnd = 0x01, kCenterTip = 0x02, kSubclass = 0x10, kTrack = 0x20, kTransparent = 0x100;

}  // namespace

const BalloonLook kInfoLook = {1, 1, 0xC0FFC0, 0x80000017};
const BalloonLook kWarningLook = {1, 2, 0xC0FFFF, 0xC00000};
const BalloonLook kErrorLook = {1, 3, 0xFFFFC0, 0x0000FF};

long ToolFlags(bool centered, bool popupOnDemand) {
    if (!popupOnDemand) return kIdIsHwnd | kSubclass | (centered ? kCenterTip : 0);
    return centered ? kIdIsHwnd | kCenterTip | kTrack : kIdIsHwnd | kTrack | kTransparent;
}

bool IsSystemColour(std::uint32_t colour) { return (colour & 0x80000000u) != 0; }

int SystemColourIndex(std::uint32_t colour) { return static_cast<int>(colour & 0xFFu); }

long TipPixelFromTwips(long twips, double twipsPerPixel) {
    if (twipsPerPixel <= 0) twipsPerPixel = 15;
    return static_cast<long>(std::nearbyint(twips / twipsPerPixel - 1));
}

std::string ShownTipText(const std::string& text) {
    std::string cut = text.size() <= kMaxTipText ? text : text.substr(0, kMaxTipText - 3) + "...";
    // The control wraps lines at blanks only; an unbroken run wider than the
    // screen would be cut off at its edge.
    std::string shown;
    std::size_t run = 0;
    for (char c : cut) {
        const bool blank = c == ' ' || c == '\r' || c == '\n' || c == '\t';
        run = blank ? 0 : run + 1;
        if (run > kMaxTipRun) {
            shown += "\r\n";
            run = 1;
        }
        shown += c;
    }
    return shown;
}

std::string ShownTipTitle(const std::string& title) {
    return title.size() <= kMaxTipTitle ? title : title.substr(0, kMaxTipTitle);
}

#include "runner/window/monitor_cover.h"

#include <algorithm>

namespace {

bool Inside(const ScreenRect& r, const ScreenRect& outer) {
    return r.Left >= outer.Left && r.Top >= outer.Top && r.Right <= outer.Right && r.Bottom <= outer.Bottom;
}

}  // namespace

std::vector<ScreenRect> CoverRects(const std::vector<ScreenRect>& monitors, const ScreenRect& primary) {
    std::vector<ScreenRect> covers;
    for (const ScreenRect& m : monitors) {
        if (m.Right <= m.Left || m.Bottom <= m.Top || Inside(m, primary)) continue;
        if (std::find(covers.begin(), covers.end(), m) == covers.end()) covers.push_back(m);
    }
    return covers;
}

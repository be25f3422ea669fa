// Every screen covered: the declaration fills the primary monitor; each
// other monitor gets a plain top-most window in the background colour.
#pragma once

#include <vector>

struct ScreenRect {
    long Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const ScreenRect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

// The rectangles of the cover windows: every monitor but the primary one
// (duplicates, empty rectangles and monitors inside the primary left out).
std::vector<ScreenRect> CoverRects(const std::vector<ScreenRect>& monitors, const ScreenRect& primary);

// Where the console window opens: the position stored in twips under the
// per-user application settings, its defaults, and keeping the window on a
// screen whatever was stored.
#pragma once

#include <string>
#include <vector>

struct TwipsPlacement {
    long Left = 1000;
    long Top = 1000;
    long Width = 6500;
    long Height = 6500;
};

struct PixelRect {
    int X = 0, Y = 0, Width = 0, Height = 0;
    bool operator==(const PixelRect& o) const { return X == o.X && Y == o.Y && Width == o.Width && Height == o.Height; }
};

// The stored values: "MainLeft", "MainTop", "MainWidth", "MainHeight"
// under the program title "TsrAdmin", section "Settings".
constexpr char kPositionTitle[] = "TsrAdmin";
constexpr char kPositionSection[] = "Settings";
struct PositionValueNames {
    const char* Left = "MainLeft";
    const char* Top = "MainTop";
    const char* Width = "MainWidth";
    const char* Height = "MainHeight";
};

// A stored number: whole decimal text (sign allowed), otherwise the default.
long StoredTwips(const std::string& text, long defaultValue);

PixelRect ToPixels(const TwipsPlacement& twips, int twipsPerPixelX, int twipsPerPixelY);
TwipsPlacement ToTwips(const PixelRect& pixels, int twipsPerPixelX, int twipsPerPixelY);

// The window as it should open: at least the minimum size and no larger than
// the work area it lands on; a window showing too little of itself on every
// screen moves to the default place on the primary screen.
PixelRect KeepOnScreen(const PixelRect& wanted, const std::vector<PixelRect>& workAreas, const PixelRect& primary,
                       int minWidth, int minHeight, int twipsPerPixelX, int twipsPerPixelY);

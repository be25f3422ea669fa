// The numbers behind a balloon tip: tool flags, the three ready-made looks,
// the twips-to-pixels rule and the limits of what a tip shows.
#pragma once

#include <cstdint>
#include <string>

// The tooltip control's TTF_ bits for a tip's tool record.
long ToolFlags(bool centered, bool popupOnDemand);

struct BalloonLook {
    long Style;  // 1 balloon
    long Icon;   // TTI_ value
    std::uint32_t BackColor;
    std::uint32_t ForeColor;
};
extern const BalloonLook kInfoLook;     // pale green
extern const BalloonLook kWarningLook;  // pale yellow, dark blue text
extern const BalloonLook kErrorLook;    // pale cyan, red text

// Colours with the top bit set name a system colour by its index (0x80000017
// is the tooltip text colour); the control itself takes only real colours.
bool IsSystemColour(std::uint32_t colour);
int SystemColourIndex(std::uint32_t colour);

// A position in twips as the tip's pixel: divided by twips per pixel, less 1,
// rounded to a whole number.
long TipPixelFromTwips(long twips, double twipsPerPixel);

// What the tip window is given: a text beyond kMaxTipText characters is cut
// with "..." (a longer balloon would outgrow the screen) and a run of more
// than kMaxTipRun characters without a blank is broken into lines; a title
// beyond kMaxTipTitle characters is cut (the control refuses longer titles).
const std::size_t kMaxTipText = 1024;
const std::size_t kMaxTipRun = 80;
const std::size_t kMaxTipTitle = 99;
std::string ShownTipText(const std::string& text);
std::string ShownTipTitle(const std::string& title);

// Pictures as premultiplied 32-bit pixels: read from BMP files, resampled to
// a control's size and laid over a background.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PicturePixels {
    int Width = 0;
    int Height = 0;
    // Top-down rows, each pixel 0xAARRGGBB with the colour premultiplied by alpha.
    std::vector<std::uint32_t> Pixels;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

// Reads an uncompressed 24- or 32-bit BMP (any header version, bottom-up or
// top-down, with or without an alpha mask). Anything else, truncated or
// absurdly large data gives an empty picture.
PicturePixels ReadBmpPicture(const std::string& bytes);

// Resamples with a tent filter wide enough to average every source pixel
// when shrinking, so reduced pictures stay crisp without jagged edges.
PicturePixels ScalePicture(const PicturePixels& source, int width, int height);

// An opaque picture of the colour with the overlay stretched over it
// (bilinear, in one pass: this is the window's whole background).
PicturePixels ComposeOverColour(const PicturePixels& overlay, std::uint32_t colourBgr, int width, int height);

// Columns Left to Right and rows Top to Bottom of a picture, the ends excluded.
struct PixelArea {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// ComposeOverColour in parts: the area of the picture (its size is the
// composition's) becomes what ComposeOverColour gives there; the rest stays.
void ComposeAreaOverColour(PicturePixels& picture, const PicturePixels& overlay, std::uint32_t colourBgr,
                           PixelArea area);

// A solid opaque picture of the given 0x00BBGGRR colour.
PicturePixels SolidPicture(int width, int height, std::uint32_t colourBgr);

// Lays the picture over dest at (left, top) (premultiplied "over"); parts
// outside dest are clipped.
void BlendOver(PicturePixels& dest, const PicturePixels& picture, int left, int top);

// The region of source at (left, top) with the given size; areas outside the
// source are transparent.
PicturePixels CropPicture(const PicturePixels& source, int left, int top, int width, int height);

#include "runner/window/picture_pixels.h"

#include <algorithm>
#include <cmath>

namespace {

const int kMaxSide = 16384;

std::uint32_t U32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8) |
           (static_cast<std::uint8_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24);
}
std::uint16_t U16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

int MaskShift(std::uint32_t mask) {
    if (mask == 0) return -1;
    int shift = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// One channel's bits of a pixel, found once per picture.
struct ChannelMask {
    explicit ChannelMask(std::uint32_t mask) : Mask(mask), Shift(MaskShift(mask)), Max(Shift < 0 ? 0 : mask >> Shift) {}
    std::uint32_t Mask;
    int Shift;
    std::uint32_t Max;
};

std::uint32_t Channel(std::uint32_t value, const ChannelMask& mask) {
    if (mask.Shift < 0) return 0;
    std::uint32_t v = (value & mask.Mask) >> mask.Shift;
    return mask.Max == 255 ? v : (mask.Max ? v * 255 / mask.Max : 0);
}

std::uint32_t Premultiply(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    if (a == 255) return 0xFF000000u | (r << 16) | (g << 8) | b;
    r = (r * a + 127) / 255;
    g = (g * a + 127) / 255;
    b = (b * a + 127) / 255;
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// One axis of a bilinear enlargement: for each destination pixel from..to-1
// the first of the two source pixels it lies between and the second one's
// 8-bit weight (pixel centres aligned).
void BilinearAxis(int source, int dest, int from, int to, std::vector<int>& first, std::vector<int>& weight) {
    first.clear();
    weight.clear();
    const double scale = static_cast<double>(source) / dest;
    for (int d = from; d < to; ++d) {
        double centre = (d + 0.5) * scale - 0.5;
        if (centre < 0) centre = 0;
        int f = static_cast<int>(centre);
        if (f >= source - 1) {
            f = source - 1;
            centre = f;
        }
        first.push_back(f);
        weight.push_back(static_cast<int>((centre - f) * 256 + 0.5));
    }
}

// A source row stretched to the destination width: per pixel its alpha, red,
// green and blue, each blended horizontally and times 256.
void StretchRow(const std::uint32_t* row, int lastX, const std::vector<int>& xFirst, const std::vector<int>& xWeight,
                std::vector<std::uint16_t>& out) {
    const std::size_t width = xFirst.size();
    out.resize(width * 4);
    for (std::size_t x = 0; x < width; ++x) {
        const int x0 = xFirst[x], x1 = x0 < lastX ? x0 + 1 : x0, wx = xWeight[x];
        const std::uint32_t left = row[x0], right = row[x1];
        for (int k = 0; k < 4; ++k) {
            const int shift = 24 - 8 * k;
            out[x * 4 + k] = static_cast<std::uint16_t>(static_cast<int>((left >> shift) & 255) * (256 - wx) +
                                                        static_cast<int>((right >> shift) & 255) * wx);
        }
    }
}

}  // namespace

PicturePixels ReadBmpPicture(const std::string& bytes) {
    PicturePixels none;
    if (bytes.size() < 14 + 40 || bytes[0] != 'B' || bytes[1] != 'M') return none;
    const std::uint32_t dataOffset = U32(bytes, 10);
    const std::uint32_t headerSize = U32(bytes, 14);
    if (headerSize < 40 || 14 + static_cast<std::uint64_t>(headerSize) > bytes.size()) return none;
    const std::int32_t width = static_cast<std::int32_t>(U32(bytes, 18));
    const std::int32_t rawHeight = static_cast<std::int32_t>(U32(bytes, 22));
    const int bits = U16(bytes, 28);
    const std::uint32_t compression = U32(bytes, 30);
    if (width <= 0 || width > kMaxSide || rawHeight == 0 || rawHeight < -kMaxSide || rawHeight > kMaxSide) return none;
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;

    std::uint32_t rMask = 0x00FF0000, gMask = 0x0000FF00, bMask = 0x000000FF, aMask = 0;
    if (compression == 3 || compression == 6) {  // bit fields
        if (bits != 32) return none;
        // The masks follow the basic header, inside the larger header versions.
        const std::size_t masks = 14 + 40;
        if (masks + 16 > bytes.size()) return none;
        rMask = U32(bytes, masks);
        gMask = U32(bytes, masks + 4);
        bMask = U32(bytes, masks + 8);
        if (headerSize >= 56 || compression == 6) aMask = U32(bytes, masks + 12);
    } else if (compression == 0) {
        if (bits != 24 && bits != 32) return none;
        if (bits == 32) aMask = 0xFF000000;
    } else {
        return none;
    }

    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    if (dataOffset > bytes.size() || stride * height > bytes.size() - dataOffset) return none;

    const ChannelMask red(rMask), green(gMask), blue(bMask), alpha(aMask);
    PicturePixels out;
    out.Width = width;
    out.Height = height;
    out.Pixels.resize(static_cast<std::size_t>(width) * height);
    // A 32-bit picture whose alpha is zero everywhere was written without alpha.
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        std::size_t row = dataOffset + static_cast<std::size_t>(stride) * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t r, g, b, a;
            if (bits == 24) {
                std::size_t p = row + static_cast<std::size_t>(x) * 3;
                b = static_cast<std::uint8_t>(bytes[p]);
                g = static_cast<std::uint8_t>(bytes[p + 1]);
                r = static_cast<std::uint8_t>(bytes[p + 2]);
                a = 255;
            } else {
                std::uint32_t v = U32(bytes, row + static_cast<std::size_t>(x) * 4);
                r = Channel(v, red);
                g = Channel(v, green);
                b = Channel(v, blue);
                a = aMask ? Channel(v, alpha) : 255;
                if (a) anyAlpha = true;
            }
            out.Pixels[static_cast<std::size_t>(y) * width + x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    for (std::uint32_t& p : out.Pixels) {
        std::uint32_t a = anyAlpha || bits == 24 ? p >> 24 : 255;
        p = Premultiply(a, (p >> 16) & 255, (p >> 8) & 255, p & 255);
    }
    return out;
}

namespace {

struct Tap {
    int Index;
    float Weight;
};

// For each destination position, the source positions and weights.
std::vector<std::vector<Tap>> Taps(int source, int dest) {
    std::vector<std::vector<Tap>> taps(dest);
    const double scale = static_cast<double>(source) / dest;
    const double radius = std::max(1.0, scale);
    for (int d = 0; d < dest; ++d) {
        double centre = (d + 0.5) * scale - 0.5;
        int first = static_cast<int>(std::floor(centre - radius));
        int last = static_cast<int>(std::ceil(centre + radius));
        double total = 0;
        for (int s = first; s <= last; ++s) {
            double w = 1.0 - std::fabs(s - centre) / radius;
            if (w <= 0) continue;
            int clamped = std::min(std::max(s, 0), source - 1);
            taps[d].push_back({clamped, static_cast<float>(w)});
            total += w;
        }
        for (Tap& t : taps[d]) t.Weight = static_cast<float>(t.Weight / total);
    }
    return taps;
}

}  // namespace

PicturePixels ScalePicture(const PicturePixels& source, int width, int height) {
    PicturePixels out;
    if (source.Empty() || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return out;
    if (width == source.Width && height == source.Height) return source;
    const auto xs = Taps(source.Width, width);
    const auto ys = Taps(source.Height, height);

    // Horizontal pass into floats, then vertical.
    std::vector<float> mid(static_cast<std::size_t>(width) * source.Height * 4);
    for (int y = 0; y < source.Height; ++y) {
        const std::uint32_t* row = &source.Pixels[static_cast<std::size_t>(y) * source.Width];
        for (int x = 0; x < width; ++x) {
            float c[4] = {0, 0, 0, 0};
            for (const Tap& t : xs[x]) {
                std::uint32_t p = row[t.Index];
                for (int k = 0; k < 4; ++k) c[k] += t.Weight * ((p >> (8 * k)) & 255);
            }
            float* m = &mid[(static_cast<std::size_t>(y) * width + x) * 4];
            for (int k = 0; k < 4; ++k) m[k] = c[k];
        }
    }
    out.Width = width;
    out.Height = height;
    out.Pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float c[4] = {0, 0, 0, 0};
            for (const Tap& t : ys[y]) {
                const float* m = &mid[(static_cast<std::size_t>(t.Index) * width + x) * 4];
                for (int k = 0; k < 4; ++k) c[k] += t.Weight * m[k];
            }
            std::uint32_t v[4];
            for (int k = 0; k < 4; ++k)
                v[k] = static_cast<std::uint32_t>(std::min(255.0f, std::max(0.0f, c[k] + 0.5f)));
            // Premultiplied colour never exceeds its alpha.
            for (int k = 0; k < 3; ++k) v[k] = std::min(v[k], v[3]);
            out.Pixels[static_cast<std::size_t>(y) * width + x] = v[0] | (v[1] << 8) | (v[2] << 16) | (v[3] << 24);
        }
    }
    return out;
}

PicturePixels SolidPicture(int width, int height, std::uint32_t colourBgr) {
    PicturePixels out;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return out;
    out.Width = width;
    out.Height = height;
    std::uint32_t r = colourBgr & 255, g = (colourBgr >> 8) & 255, b = (colourBgr >> 16) & 255;
    out.Pixels.assign(static_cast<std::size_t>(width) * height, 0xFF000000u | (r << 16) | (g << 8) | b);
    return out;
}

void BlendOver(PicturePixels& dest, const PicturePixels& picture, int left, int top) {
    for (int y = std::max(0, -top); y < picture.Height && top + y < dest.Height; ++y) {
        for (int x = std::max(0, -left); x < picture.Width && left + x < dest.Width; ++x) {
            std::uint32_t s = picture.Pixels[static_cast<std::size_t>(y) * picture.Width + x];
            std::uint32_t a = s >> 24;
            if (a == 0) continue;
            std::uint32_t& d = dest.Pixels[static_cast<std::size_t>(top + y) * dest.Width + left + x];
            if (a == 255) {
                d = s;
                continue;
            }
            std::uint32_t result = 0;
            for (int k = 0; k < 4; ++k) {
                std::uint32_t sc = (s >> (8 * k)) & 255;
                std::uint32_t dc = (d >> (8 * k)) & 255;
                result |= std::min(255u, sc + (dc * (255 - a) + 127) / 255) << (8 * k);
            }
            d = result;
        }
    }
}

PicturePixels CropPicture(const PicturePixels& source, int left, int top, int width, int height) {
    PicturePixels out;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return out;
    out.Width = width;
    out.Height = height;
    out.Pixels.assign(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        int sy = top + y;
        if (sy < 0 || sy >= source.Height) continue;
        for (int x = 0; x < width; ++x) {
            int sx = left + x;
            if (sx < 0 || sx >= source.Width) continue;
            out.Pixels[static_cast<std::size_t>(y) * width + x] =
                source.Pixels[static_cast<std::size_t>(sy) * source.Width + sx];
        }
    }
    return out;
}

PicturePixels ComposeOverColour(const PicturePixels& overlay, std::uint32_t colourBgr, int width, int height) {
    PicturePixels out = SolidPicture(width, height, colourBgr);
    if (!out.Empty()) ComposeAreaOverColour(out, overlay, colourBgr, {0, 0, width, height});
    return out;
}

void ComposeAreaOverColour(PicturePixels& picture, const PicturePixels& overlay, std::uint32_t colourBgr,
                           PixelArea area) {
    const int width = picture.Width, height = picture.Height;
    area.Left = std::max(area.Left, 0);
    area.Top = std::max(area.Top, 0);
    area.Right = std::min(area.Right, width);
    area.Bottom = std::min(area.Bottom, height);
    if (overlay.Empty() || area.Left >= area.Right || area.Top >= area.Bottom) return;
    if (overlay.Width > width || overlay.Height > height) {
        const int areaWidth = area.Right - area.Left, areaHeight = area.Bottom - area.Top;
        PicturePixels part = SolidPicture(areaWidth, areaHeight, colourBgr);
        BlendOver(part, CropPicture(ScalePicture(overlay, width, height), area.Left, area.Top, areaWidth, areaHeight),
                  0, 0);
        for (int y = 0; y < areaHeight; ++y)
            std::copy_n(&part.Pixels[static_cast<std::size_t>(y) * areaWidth], areaWidth,
                        &picture.Pixels[static_cast<std::size_t>(area.Top + y) * width + area.Left]);
        return;
    }
    // What the colour adds to each channel under each alpha (red, green, blue).
    std::uint8_t under[3][256];
    for (int k = 0; k < 3; ++k) {
        const std::uint32_t bg = (colourBgr >> (8 * k)) & 255;
        for (std::uint32_t a = 0; a < 256; ++a) under[k][a] = static_cast<std::uint8_t>((bg * (255 - a) + 127) / 255);
    }
    std::vector<int> xFirst, xWeight, yFirst, yWeight;
    BilinearAxis(overlay.Width, width, area.Left, area.Right, xFirst, xWeight);
    BilinearAxis(overlay.Height, height, area.Top, area.Bottom, yFirst, yWeight);
    const int lastX = overlay.Width - 1, lastY = overlay.Height - 1;
    // The window is the whole screen: each source row is stretched once, and
    // the destination rows between two stretched rows only blend them.
    std::vector<std::uint16_t> stretched[2];
    int stretchedRow[2] = {-1, -1};
    auto stretchedSourceRow = [&](int y, int keep) -> const std::uint16_t* {
        for (int i = 0; i < 2; ++i)
            if (stretchedRow[i] == y) return stretched[i].data();
        const int slot = stretchedRow[0] == keep ? 1 : 0;
        StretchRow(&overlay.Pixels[static_cast<std::size_t>(y) * overlay.Width], lastX, xFirst, xWeight,
                   stretched[slot]);
        stretchedRow[slot] = y;
        return stretched[slot].data();
    };
    const int areaWidth = area.Right - area.Left;
    for (int y = area.Top; y < area.Bottom; ++y) {
        const int y0 = yFirst[y - area.Top], y1 = y0 < lastY ? y0 + 1 : y0, wy = yWeight[y - area.Top];
        const std::uint16_t* top = stretchedSourceRow(y0, y1);
        const std::uint16_t* bottom = stretchedSourceRow(y1, y0);
        std::uint32_t* dest = &picture.Pixels[static_cast<std::size_t>(y) * width + area.Left];
        for (int x = 0; x < areaWidth; ++x) {
            std::uint32_t channel[4];  // alpha, red, green, blue
            for (int k = 0; k < 4; ++k)
                channel[k] =
                    static_cast<std::uint32_t>((top[x * 4 + k] * (256 - wy) + bottom[x * 4 + k] * wy + 32768) >> 16);
            const std::uint32_t a = channel[0];
            std::uint32_t result = 0xFF000000u;
            for (int k = 0; k < 3; ++k) {
                const std::uint32_t v = channel[k + 1] + under[k][a];
                result |= (v > 255 ? 255 : v) << (16 - 8 * k);
            }
            dest[x] = result;
        }
    }
}

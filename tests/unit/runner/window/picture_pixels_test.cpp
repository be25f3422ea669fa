#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "runner/window/picture_pixels.h"

namespace {

void Put32(std::string& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 255);
}
void Put16(std::string& b, std::uint16_t v) {
    b += static_cast<char>(v & 255);
    b += static_cast<char>(v >> 8);
}

// A BMP with the given header size, bits and rows (top row first in `rows`).
std::string MakeBmp(int width, int height, int bits, std::uint32_t compression, std::uint32_t headerSize, bool topDown,
                    const std::vector<std::uint32_t>& pixels) {
    const int stride = ((width * bits + 31) / 32) * 4;
    std::string b = "BM";
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 14 + headerSize);
    Put32(b, headerSize);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(b, 1);
    Put16(b, static_cast<std::uint16_t>(bits));
    Put32(b, compression);
    Put32(b, static_cast<std::uint32_t>(stride * height));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    if (headerSize > 40) {
        Put32(b, 0x00FF0000);
        Put32(b, 0x0000FF00);
        Put32(b, 0x000000FF);
        Put32(b, 0xFF000000);
        b.append(headerSize - 56, '\0');
    }
    for (int r = 0; r < height; ++r) {
        int y = topDown ? r : height - 1 - r;
        std::string row;
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            row += static_cast<char>(p & 255);
            row += static_cast<char>((p >> 8) & 255);
            row += static_cast<char>((p >> 16) & 255);
            if (bits == 32) row += static_cast<char>(p >> 24);
        }
        row.resize(stride, '\0');
        b += row;
    }
    return b;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(ReadBmpPicture, TwentyFourBitBottomUpIsOpaque) {
    PicturePixels p =
        ReadBmpPicture(MakeBmp(3, 2, 24, 0, 40, false, {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x000000}));
    ASSERT_EQ(p.Width, 3);
    ASSERT_EQ(p.Height, 2);
    EXPECT_EQ(p.Pixels[0], 0xFF112233u);
    EXPECT_EQ(p.Pixels[2], 0xFF778899u);
    EXPECT_EQ(p.Pixels[3], 0xFFAABBCCu);
}

TEST(ReadBmpPicture, ThirtyTwoBitWithAlphaIsPremultiplied) {
    PicturePixels p = ReadBmpPicture(MakeBmp(2, 1, 32, 3, 124, true, {0x80FF0000, 0x00FFFFFF}));
    ASSERT_EQ(p.Width, 2);
    EXPECT_EQ(p.Pixels[0], 0x80800000u);
    EXPECT_EQ(p.Pixels[1], 0u);
    // Without any alpha the picture is taken as opaque.
    PicturePixels q = ReadBmpPicture(MakeBmp(1, 1, 32, 0, 40, false, {0x00102030}));
    EXPECT_EQ(q.Pixels[0], 0xFF102030u);
}

TEST(ReadBmpPicture, GarbageAndTruncationGiveNothing) {
    std::string good = MakeBmp(4, 4, 32, 3, 124, false, std::vector<std::uint32_t>(16, 0xFF00FF00));
    EXPECT_FALSE(ReadBmpPicture(good).Empty());
    EXPECT_TRUE(ReadBmpPicture(good.substr(0, good.size() - 1)).Empty());
    EXPECT_TRUE(ReadBmpPicture("").Empty());
    EXPECT_TRUE(ReadBmpPicture(std::string(4000, '\xff')).Empty());
    std::string huge = good;
    huge[18] = '\xff';
    huge[19] = '\xff';
    huge[20] = '\xff';
    huge[21] = '\x7f';
    EXPECT_TRUE(ReadBmpPicture(huge).Empty());
    std::string rle = good;
    rle[30] = 1;  // run-length compressed: not supported
    EXPECT_TRUE(ReadBmpPicture(rle).Empty());
}

TEST(ScalePicture, ShrinkingAveragesAndGrowingKeepsFlatColour) {
    PicturePixels checker;
    checker.Width = checker.Height = 2;
    checker.Pixels = {0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFFFFFFFF};
    PicturePixels one = ScalePicture(checker, 1, 1);
    ASSERT_EQ(one.Pixels.size(), 1u);
    EXPECT_NEAR(static_cast<int>(one.Pixels[0] & 255), 128, 1);
    EXPECT_EQ(one.Pixels[0] >> 24, 255u);

    PicturePixels flat = SolidPicture(3, 2, 0x0000FF);  // red
    PicturePixels big = ScalePicture(flat, 17, 9);
    ASSERT_EQ(big.Width, 17);
    for (std::uint32_t p : big.Pixels) EXPECT_EQ(p, 0xFFFF0000u);
    EXPECT_TRUE(ScalePicture(flat, 0, 5).Empty());
    EXPECT_TRUE(ScalePicture(PicturePixels(), 5, 5).Empty());
}

TEST(BlendOver, HalfTransparentOverOpaqueAndClipping) {
    PicturePixels dest = SolidPicture(2, 2, 0xFFFFFF);
    PicturePixels half;
    half.Width = half.Height = 1;
    half.Pixels = {0x80000000};  // black at half coverage
    BlendOver(dest, half, 1, 1);
    EXPECT_EQ(dest.Pixels[3] & 255, 127u);
    EXPECT_EQ(dest.Pixels[3] >> 24, 255u);
    EXPECT_EQ(dest.Pixels[0], 0xFFFFFFFFu);
    BlendOver(dest, half, -5, 7);  // entirely outside: nothing happens
    BlendOver(dest, SolidPicture(4, 4, 0), -1, -1);
    for (std::uint32_t p : dest.Pixels) EXPECT_EQ(p, 0xFF000000u);
}

TEST(ComposeOverColour, MatchesScalingThenBlending) {
    PicturePixels overlay;
    overlay.Width = 4;
    overlay.Height = 3;
    overlay.Pixels = {0x00000000, 0x40101010, 0x80000000, 0xFF123456, 0x20202020, 0x00000000,
                      0xC0400000, 0x10000010, 0x80808080, 0x00000000, 0xFFFFFFFF, 0x40004000};
    const std::uint32_t colour = 0x3366CC;  // 0x00BBGGRR
    PicturePixels fused = ComposeOverColour(overlay, colour, 37, 23);
    ASSERT_EQ(fused.Width, 37);
    ASSERT_EQ(fused.Height, 23);
    // Bilinear and the tent filter agree when enlarging; allow rounding.
    PicturePixels reference = SolidPicture(37, 23, colour);
    BlendOver(reference, ScalePicture(overlay, 37, 23), 0, 0);
    for (std::size_t i = 0; i < fused.Pixels.size(); ++i) {
        for (int k = 0; k < 32; k += 8) {
            int a = static_cast<int>((fused.Pixels[i] >> k) & 255);
            int b = static_cast<int>((reference.Pixels[i] >> k) & 255);
            ASSERT_NEAR(a, b, 2) << "pixel " << i << " channel " << k;
        }
    }
    // No overlay: the plain colour; a larger overlay is reduced first.
    EXPECT_EQ(ComposeOverColour(PicturePixels(), colour, 2, 2).Pixels[3], 0xFFCC6633u);
    EXPECT_EQ(ComposeOverColour(overlay, colour, 2, 2).Width, 2);
}

TEST(ComposeAreaOverColour, PartsMakeTheWhole) {
    PicturePixels small;
    small.Width = 4;
    small.Height = 3;
    small.Pixels = {0x00000000, 0x40101010, 0x80000000, 0xFF123456, 0x20202020, 0x00000000,
                    0xC0400000, 0x10000010, 0x80808080, 0x00000000, 0xFFFFFFFF, 0x40004000};
    const PicturePixels large = SolidPicture(50, 40, 0x102030);  // reduced first
    const std::uint32_t colour = 0x3366CC;
    const PicturePixels* const overlays[] = {&small, &large};
    for (const PicturePixels* overlay : overlays) {
        const PicturePixels whole = ComposeOverColour(*overlay, colour, 37, 23);
        // A frame around a hole, then the hole: the hole keeps the colour meanwhile.
        PicturePixels parts = SolidPicture(37, 23, colour);
        const PixelArea hole = {5, 4, 30, 20};
        for (PixelArea band :
             {PixelArea{0, 0, 37, hole.Top}, PixelArea{0, hole.Bottom, 37, 23},
              PixelArea{0, hole.Top, hole.Left, hole.Bottom}, PixelArea{hole.Right, hole.Top, 37, hole.Bottom}})
            ComposeAreaOverColour(parts, *overlay, colour, band);
        EXPECT_EQ(parts.Pixels[10 * 37 + 10], SolidPicture(1, 1, colour).Pixels[0]);
        EXPECT_EQ(parts.Pixels[2 * 37 + 10], whole.Pixels[2 * 37 + 10]);
        ComposeAreaOverColour(parts, *overlay, colour, hole);
        EXPECT_EQ(parts.Pixels, whole.Pixels);
        // An area beyond the edges is cut to the picture.
        PicturePixels beyond = SolidPicture(37, 23, colour);
        ComposeAreaOverColour(beyond, *overlay, colour, {-5, -5, 100, 100});
        EXPECT_EQ(beyond.Pixels, whole.Pixels);
    }
}

TEST(ShippedPictures, EveryPictureReadsAtBothSizes) {
    const char* const names[] = {"01_eye01",
                                 "02_eye02",
                                 "03_eye03",
                                 "04_eye04",
                                 "05_eye05",
                                 "06_eye06",
                                 "07_eye07",
                                 "08_eye08",
                                 "09_eye09",
                                 "10_eye10",
                                 "11_back_disabled",
                                 "12_forward_disabled",
                                 "13_back_enabled",
                                 "14_forward_enabled",
                                 "15_accept_enabled",
                                 "16_accept_disabled",
                                 "17_speaker_normal",
                                 "18_speaker_hover",
                                 "19_speaker_speaking",
                                 "20_accept_pressed",
                                 "21_decline_pressed",
                                 "22_decline_released",
                                 "31_logo"};
    const std::string folder = std::string(TSR_SOURCE_DIR) + "/runner/res/pictures/";
    for (const char* name : names) {
        PicturePixels small = ReadBmpPicture(ReadFile(folder + "96/" + name + ".bmp"));
        PicturePixels large = ReadBmpPicture(ReadFile(folder + "144/" + name + ".bmp"));
        ASSERT_FALSE(small.Empty()) << name;
        ASSERT_FALSE(large.Empty()) << name;
        EXPECT_EQ(large.Width, small.Width * 3 / 2) << name;
        EXPECT_EQ(large.Height, small.Height * 3 / 2) << name;
        // Drawn pictures have both see-through and solid parts.
        bool clear = false, solid = false;
        for (std::uint32_t p : small.Pixels) {
            clear = clear || (p >> 24) <= 8;
            solid = solid || (p >> 24) == 255;
        }
        EXPECT_TRUE(clear && solid) << name;
    }
    PicturePixels background = ReadBmpPicture(ReadFile(folder + "30_background.bmp"));
    EXPECT_FALSE(background.Empty());
}

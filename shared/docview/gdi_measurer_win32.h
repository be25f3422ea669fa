// GDI fonts of the reader view and the measurer that lays text out with them.
#pragma once

#include <windows.h>

#include "shared/docview/page_layout.h"
#include "shared/win32/handles.h"

// Owns one font per FontKey, created on first use; the faces are chosen once
// from those installed (Segoe UI, Tahoma, Arial; Consolas, Courier New).
class ReaderFonts {
public:
    ReaderFonts() = default;
    ReaderFonts(const ReaderFonts&) = delete;
    ReaderFonts& operator=(const ReaderFonts&) = delete;
    HFONT Get(HDC dc, const FontKey& key);

private:
    GdiObject<HFONT> fonts_[kFontKeyCount];
    std::string bodyFace_;
    std::string monoFace_;
};

// Measures with a screen DC; single-byte code pages use a cached width table
// per font so that long pages lay out quickly.
class GdiMeasurer : public TextMeasurer {
public:
    GdiMeasurer(HDC dc, ReaderFonts& fonts);
    GdiMeasurer(const GdiMeasurer&) = delete;
    GdiMeasurer& operator=(const GdiMeasurer&) = delete;
    int TextWidth(const FontKey& font, const char* text, size_t length) override;
    FontMetrics Metrics(const FontKey& font) override;

private:
    void Select(const FontKey& font);
    struct Cached {
        bool ready = false;
        FontMetrics metrics;
        int widths[256] = {};
    };
    HDC dc_;
    ReaderFonts& fonts_;
    SelectedObject original_;  // the DC's own font, back at the end
    int selected_ = -1;
    bool singleByte_;
    Cached cache_[kFontKeyCount];
};

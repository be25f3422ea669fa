// Font choice and text measurement for the reader view.
#include "shared/docview/gdi_measurer_win32.h"

#include <string>

namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const char* face) {
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExA(dc, &lf, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::string FirstInstalled(HDC dc, const char* const* faces, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (FaceInstalled(dc, faces[i])) return faces[i];
    return faces[count - 1];
}

// Pixel heights at 96 dpi: body, h1..h6, monospace.
const int kRoleHeights[] = {16, 30, 24, 20, 17, 15, 14, 14};

}  // namespace

HFONT ReaderFonts::Get(HDC dc, const FontKey& key) {
    GdiObject<HFONT>& font = fonts_[key.Index()];
    if (font.Valid()) return font.Get();
    if (bodyFace_.empty()) {
        static const char* const kBody[] = {"Segoe UI", "Tahoma", "Arial", "MS Sans Serif"};
        static const char* const kMono[] = {"Consolas", "Courier New", "Lucida Console", "Courier"};
        bodyFace_ = FirstInstalled(dc, kBody, 4);
        monoFace_ = FirstInstalled(dc, kMono, 4);
    }
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(kRoleHeights[static_cast<int>(key.role)], dpi > 0 ? dpi : 96, 96);
    lf.lfWeight = key.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = key.italic ? TRUE : FALSE;
    lf.lfUnderline = key.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lf.lfPitchAndFamily = key.role == FontRole::Mono ? (FIXED_PITCH | FF_MODERN) : (VARIABLE_PITCH | FF_SWISS);
    const std::string& face = key.role == FontRole::Mono ? monoFace_ : bodyFace_;
    lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    font.Reset(CreateFontIndirectA(&lf));
    return font.Valid() ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

GdiMeasurer::GdiMeasurer(HDC dc, ReaderFonts& fonts)
    : dc_(dc), fonts_(fonts), original_(dc, GetCurrentObject(dc, OBJ_FONT)) {
    CPINFO info = {};
    singleByte_ = GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

// Fills the font's cache on first use; selecting a font costs, so it is only
// done when the cache cannot answer.
void GdiMeasurer::Select(const FontKey& font) {
    const int index = font.Index();
    Cached& c = cache_[index];
    if (c.ready && singleByte_) return;
    if (selected_ != index) {
        SelectObject(dc_, fonts_.Get(dc_, font));
        selected_ = index;
    }
    if (!c.ready) {
        TEXTMETRICA tm = {};
        GetTextMetricsA(dc_, &tm);
        c.metrics.height = tm.tmHeight + tm.tmExternalLeading + tm.tmHeight / 6;  // a little air between lines
        c.metrics.ascent = tm.tmAscent + tm.tmHeight / 12;
        if (singleByte_ && !GetCharWidth32A(dc_, 0, 255, c.widths)) singleByte_ = false;
        c.ready = true;
    }
}

int GdiMeasurer::TextWidth(const FontKey& font, const char* text, size_t length) {
    Select(font);
    if (singleByte_) {
        const int* widths = cache_[font.Index()].widths;
        int width = 0;
        for (size_t i = 0; i < length; ++i) width += widths[static_cast<unsigned char>(text[i])];
        return width;
    }
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text, static_cast<int>(length), &size);
    return size.cx;
}

FontMetrics GdiMeasurer::Metrics(const FontKey& font) {
    if (!cache_[font.Index()].ready) Select(font);
    return cache_[font.Index()].metrics;
}

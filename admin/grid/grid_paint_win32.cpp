#include "admin/grid/grid_paint_win32.h"

#include <algorithm>
#include <vector>

#include "admin/grid/vb_values.h"
#include "shared/win32/window_helpers.h"

namespace {

constexpr int kTextPadding = 3;  // pixels between a cell's edge and its text
// No cell is wider than 32767 twips (about 2200 pixels): more characters
// than this are never seen, and measuring them would slow every paint.
constexpr size_t kMaxPaintedChars = 4096;

struct Band {
    long Index;
    int From, To;  // pixels
};

// The fixed bands then the scrolling ones from `first`, as far as `limit`.
template <class SizeOf>
std::vector<Band> Bands(long count, long fixed, long first, int limit, long perPixel, SizeOf sizeOf) {
    std::vector<Band> bands;
    long long twips = 0;
    for (long i = 0; i < count; ++i) {
        if (i == fixed) i = std::max(i, first);
        if (i >= count) break;
        const int from = static_cast<int>(twips / perPixel);
        twips += sizeOf(i);
        const int to = static_cast<int>(twips / perPixel);
        if (from >= limit) break;
        if (to > from) bands.push_back({i, from, to});
    }
    return bands;
}

UINT AlignmentFlags(int alignment, const std::string& text) {
    switch (alignment) {
    case 3:
    case 4:
    case 5: return DT_CENTER;
    case 6:
    case 7:
    case 8: return DT_RIGHT;
    case 9: return IsNumericText(text) ? DT_RIGHT : DT_LEFT;  // general
    default: return DT_LEFT;
    }
}

UINT VerticalFlags(int alignment) {
    if (alignment == 9) return DT_VCENTER;
    switch (alignment % 3) {
    case 0: return DT_TOP;
    case 2: return DT_BOTTOM;
    default: return DT_VCENTER;
    }
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

}  // namespace

COLORREF ResolveGridColor(uint32_t color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

void GridPainter::SetFonts(const GridProps& props, HFONT ambient) {
    HFONT source = ambient ? ambient : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA font{};
    GetObjectA(source, sizeof(font), &font);
    if (!props.FontName.empty()) {
        lstrcpynA(font.lfFaceName, props.FontName.c_str(), LF_FACESIZE);
        if (props.FontSize > 0) {
            font.lfHeight = -MulDiv(props.FontSize, ScreenDpiY(), 72);
        }
        font.lfWeight = props.FontBold ? FW_BOLD : FW_NORMAL;
        font.lfItalic = props.FontItalic ? TRUE : FALSE;
    }
    base_ = font;
    hasBase_ = true;
    for (auto& f : fonts_) f.Reset();
    for (int& h : fontHeights_) h = 0;
}

HFONT GridPainter::FontFor(const CellAttributes& attr) {
    if (!hasBase_) SetFonts(GridProps(), nullptr);
    const int index =
        (attr.Bold ? 1 : 0) | (attr.Italic ? 2 : 0) | (attr.Underline ? 4 : 0) | (attr.StrikeThrough ? 8 : 0);
    if (!fonts_[index].Valid()) {
        LOGFONTA font = base_;
        if (attr.Bold) font.lfWeight = FW_BOLD;
        if (attr.Italic) font.lfItalic = TRUE;
        if (attr.Underline) font.lfUnderline = TRUE;
        if (attr.StrikeThrough) font.lfStrikeOut = TRUE;
        fonts_[index].Reset(CreateFontIndirectA(&font));
    }
    return static_cast<HFONT>(fonts_[index].Get());
}

long GridPainter::MeasureText(HWND hwnd, const std::string& text, const TwipScale& scale) {
    return scale.ToTwipsX(TextSize(hwnd, BaseFont(), text).cx + 2 * kTextPadding);
}

void GridPainter::PrepareCanvas(HDC target, int width, int height) {
    if (canvas_.Valid() && width <= canvasWidth_ && height <= canvasHeight_) return;
    canvas_.Reset();
    canvasWidth_ = std::max(width, canvasWidth_);
    canvasHeight_ = std::max(height, canvasHeight_);
    bitmap_.Reset(CreateCompatibleBitmap(target, canvasWidth_, canvasHeight_));
    canvas_.Reset(CreateCompatibleDC(target));
    SelectObject(canvas_.Get(), bitmap_.Get());
}

// What every cell of one paint shares.
struct GridPaintContext {
    const FlexGrid& Grid;
    const GridProps& Props;
    GridRange Selection;
    bool Several, Highlight, Focused;
    COLORREF Back, Fore, BackSel, ForeSel, BackFixed, ForeFixed, Line, LineFixed;
    int LineWidth;
};

namespace {

COLORREF CellColor(uint32_t own, COLORREF fallback) {
    return own == kDefaultCellColor ? fallback : ResolveGridColor(own);
}

void Frame(HDC dc, const RECT& r, int width, COLORREF color) {
    FillSolid(dc, RECT{r.left, r.top, r.right, r.top + width}, color);
    FillSolid(dc, RECT{r.left, r.bottom - width, r.right, r.bottom}, color);
    FillSolid(dc, RECT{r.left, r.top, r.left + width, r.bottom}, color);
    FillSolid(dc, RECT{r.right - width, r.top, r.right, r.bottom}, color);
}

}  // namespace

int GridPainter::FontHeight(HDC dc, const CellAttributes& attr) {
    const int index =
        (attr.Bold ? 1 : 0) | (attr.Italic ? 2 : 0) | (attr.Underline ? 4 : 0) | (attr.StrikeThrough ? 8 : 0);
    if (fontHeights_[index] == 0) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        fontHeights_[index] = std::max(1, static_cast<int>(metrics.tmHeight));
    }
    return fontHeights_[index];
}

void GridPainter::PaintCell(HDC dc, const RECT& cell, const GridPaintContext& c, long row, long col) {
    const FlexGrid& grid = c.Grid;
    const bool fixed = row < grid.FixedRows() || col < grid.FixedCols();
    const bool current = row == grid.Row() && col == grid.Col();
    const GridRange& sel = c.Selection;
    const bool selected = !fixed && c.Highlight && c.Several && !current && row >= sel.Top && row <= sel.Bottom &&
                          col >= sel.Left && col <= sel.Right;
    const CellAttributes& attr = grid.CellAttr(row, col);
    const COLORREF back = fixed ? c.BackFixed : selected ? c.BackSel : c.Back;
    const COLORREF fore = fixed      ? CellColor(attr.ForeColor, c.ForeFixed)
                          : selected ? c.ForeSel
                                     : CellColor(attr.ForeColor, c.Fore);
    const bool lines = (fixed ? c.Props.GridLinesFixed : c.Props.GridLines) > 0;
    const bool raised = fixed && c.Props.GridLinesFixed >= 2;
    // Lines take the right and bottom edge; the cell paints the rest.
    RECT inside = cell;
    if (lines && !raised) {
        inside.right -= c.LineWidth;
        inside.bottom -= c.LineWidth;
    }

    const std::string& text = grid.TextMatrix(row, col);
    HFONT font = FontFor(attr);
    if (font != selectedFont_) {
        SelectObject(dc, font);
        selectedFont_ = font;
    }
    SetBkColor(dc, back);
    SetTextColor(dc, fore);
    const int alignment = fixed ? grid.FixedAlignment(col) : grid.ColAlignment(col);
    if (c.Props.WordWrap && !text.empty()) {
        FillSolid(dc, inside, back);
        RECT area{inside.left + kTextPadding, inside.top, inside.right - kTextPadding, inside.bottom};
        DrawTextA(dc, text.c_str(), static_cast<int>(std::min(text.size(), kMaxPaintedChars)), &area,
                  DT_NOPREFIX | DT_WORDBREAK | AlignmentFlags(alignment, text));
    } else {
        // One call fills the cell and draws its text, clipped to the cell.
        const int length = static_cast<int>(std::min(text.size(), kMaxPaintedChars));
        int x = inside.left + kTextPadding;
        const UINT horizontal = length ? AlignmentFlags(alignment, text) : DT_LEFT;
        if (horizontal != DT_LEFT) {
            SIZE size{};
            GetTextExtentPoint32A(dc, text.c_str(), length, &size);
            x = horizontal == DT_RIGHT ? inside.right - kTextPadding - size.cx
                                       : (inside.left + inside.right - size.cx) / 2;
            x = std::max(x, static_cast<int>(inside.left) + kTextPadding);
        }
        const int height = FontHeight(dc, attr);
        const UINT vertical = VerticalFlags(alignment);
        const int y = vertical == DT_TOP      ? inside.top + 1
                      : vertical == DT_BOTTOM ? inside.bottom - height - 1
                                              : (inside.top + inside.bottom - height) / 2;
        ExtTextOutA(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &inside, text.c_str(), static_cast<UINT>(length), nullptr);
    }

    if (raised) {
        RECT edge = cell;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
    } else if (lines) {
        const COLORREF line = fixed ? c.LineFixed : c.Line;
        FillSolid(dc, RECT{inside.right, cell.top, cell.right, cell.bottom}, line);
        FillSolid(dc, RECT{cell.left, inside.bottom, inside.right, cell.bottom}, line);
    }
    if (!current || fixed || c.Props.FocusRect <= 0) return;
    if (!c.Focused) {
        // Without the focus the current cell keeps a quiet frame, so a cell
        // found or chosen from another window can still be seen.
        Frame(dc, RECT{cell.left, cell.top, inside.right + 1, inside.bottom + 1}, 1, GetSysColor(COLOR_BTNSHADOW));
    } else if (c.Props.FocusRect >= 2) {
        Frame(dc, RECT{cell.left + 1, cell.top + 1, inside.right, inside.bottom}, 2, c.Fore);
    } else {
        RECT focus{cell.left + 1, cell.top + 1, inside.right, inside.bottom};
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

void GridPainter::Paint(HDC target, const RECT& client, const RECT& dirty, const FlexGrid& grid, const TwipScale& scale,
                        bool focused) {
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    PrepareCanvas(target, width, height);
    HDC dc = canvas_.Get();
    FillSolid(dc, dirty, GetSysColor(COLOR_APPWORKSPACE));
    SetBkMode(dc, OPAQUE);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    // The cells change the font; the canvas gets its own back at the end.
    SelectedObject originalFont(dc, BaseFont());
    selectedFont_ = BaseFont();

    const GridProps& p = grid.Props();
    const GridRange sel = grid.Selection();
    const GridPaintContext context{grid,
                                   p,
                                   sel,
                                   sel.Top != sel.Bottom || sel.Left != sel.Right,
                                   p.HighLight == HighLightAlways || (p.HighLight == HighLightWithFocus && focused),
                                   focused,
                                   ResolveGridColor(p.BackColor),
                                   ResolveGridColor(p.ForeColor),
                                   ResolveGridColor(p.BackColorSel),
                                   ResolveGridColor(p.ForeColorSel),
                                   ResolveGridColor(p.BackColorFixed),
                                   ResolveGridColor(p.ForeColorFixed),
                                   ResolveGridColor(p.GridColor),
                                   ResolveGridColor(p.GridColorFixed),
                                   std::max(1, p.GridLineWidth)};
    const auto rows = Bands(grid.Rows(), grid.FixedRows(), grid.TopRow(), height, scale.PerPixelY,
                            [&](long r) { return grid.RowHeight(r); });
    const auto cols = Bands(grid.Cols(), grid.FixedCols(), grid.LeftCol(), width, scale.PerPixelX,
                            [&](long c) { return grid.ColWidth(c); });
    for (const Band& r : rows) {
        if (r.To <= dirty.top || r.From >= dirty.bottom) continue;
        for (const Band& c : cols) {
            if (c.To <= dirty.left || c.From >= dirty.right) continue;
            PaintCell(dc, RECT{c.From, r.From, c.To, r.To}, context, r.Index, c.Index);
        }
    }
    selectedFont_ = nullptr;
    BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, dc, dirty.left, dirty.top,
           SRCCOPY);
}

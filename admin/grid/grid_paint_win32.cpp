#include "admin/grid/grid_paint_win32.h"

#include <algorithm>
#include <vector>

#include "admin/grid/vb_values.h"

namespace {

constexpr int kTextPadding = 3;   // pixels between a cell's edge and its text

struct Band {
    long Index;
    int From, To;   // pixels
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
        case 3: case 4: case 5: return DT_CENTER;
        case 6: case 7: case 8: return DT_RIGHT;
        case 9: return IsNumericText(text) ? DT_RIGHT : DT_LEFT;   // general
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
            HDC screen = GetDC(nullptr);
            font.lfHeight = -MulDiv(props.FontSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
            ReleaseDC(nullptr, screen);
        }
        font.lfWeight = props.FontBold ? FW_BOLD : FW_NORMAL;
        font.lfItalic = props.FontItalic ? TRUE : FALSE;
    }
    base_ = font;
    hasBase_ = true;
    for (auto& f : fonts_) f.Reset();
}

HFONT GridPainter::FontFor(const CellAttributes& attr) {
    if (!hasBase_) SetFonts(GridProps(), nullptr);
    const int index = (attr.Bold ? 1 : 0) | (attr.Italic ? 2 : 0) | (attr.Underline ? 4 : 0) |
                      (attr.StrikeThrough ? 8 : 0);
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
    WindowDc dc(hwnd);
    SelectedObject font(dc.Get(), BaseFont());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return scale.ToTwipsX(size.cx + 2 * kTextPadding);
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

void GridPainter::PaintCell(HDC dc, const RECT& cell, const FlexGrid& grid, long row, long col,
                            bool focused) {
    const GridProps& p = grid.Props();
    const bool fixed = row < grid.FixedRows() || col < grid.FixedCols();
    const GridRange sel = grid.Selection();
    const bool several = sel.Top != sel.Bottom || sel.Left != sel.Right;
    const bool current = row == grid.Row() && col == grid.Col();
    const bool highlight = p.HighLight == HighLightAlways || (p.HighLight == HighLightWithFocus && focused);
    const bool selected = !fixed && highlight && several && !current && row >= sel.Top &&
                          row <= sel.Bottom && col >= sel.Left && col <= sel.Right;
    const CellAttributes& attr = grid.CellAttr(row, col);

    COLORREF back, fore;
    if (fixed) {
        back = ResolveGridColor(p.BackColorFixed);
        fore = ResolveGridColor(attr.ForeColor == kDefaultCellColor ? p.ForeColorFixed : attr.ForeColor);
    } else if (selected) {
        back = ResolveGridColor(p.BackColorSel);
        fore = ResolveGridColor(p.ForeColorSel);
    } else {
        back = ResolveGridColor(p.BackColor);
        fore = ResolveGridColor(attr.ForeColor == kDefaultCellColor ? p.ForeColor : attr.ForeColor);
    }
    FillSolid(dc, cell, back);

    const std::string& text = grid.TextMatrix(row, col);
    if (!text.empty()) {
        SelectedObject font(dc, FontFor(attr));
        SetTextColor(dc, fore);
        RECT area{cell.left + kTextPadding, cell.top, cell.right - kTextPadding, cell.bottom - 1};
        const int alignment = fixed ? grid.FixedAlignment(col) : grid.ColAlignment(col);
        UINT flags = DT_NOPREFIX | AlignmentFlags(alignment, text);
        flags |= p.WordWrap ? DT_WORDBREAK : (DT_SINGLELINE | DT_END_ELLIPSIS | VerticalFlags(alignment));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, flags);
    }

    const int lineWidth = std::max(1, p.GridLineWidth);
    if (fixed && p.GridLinesFixed >= 2) {
        RECT edge = cell;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
    } else if ((fixed ? p.GridLinesFixed : p.GridLines) > 0) {
        const COLORREF line = ResolveGridColor(fixed ? p.GridColorFixed : p.GridColor);
        RECT right{cell.right - lineWidth, cell.top, cell.right, cell.bottom};
        RECT bottom{cell.left, cell.bottom - lineWidth, cell.right, cell.bottom};
        FillSolid(dc, right, line);
        FillSolid(dc, bottom, line);
    }
    if (current && !fixed && !focused && p.FocusRect > 0) {
        // Without the focus the current cell keeps a quiet frame, so a cell
        // found or chosen from another window can still be seen.
        const COLORREF frame = GetSysColor(COLOR_BTNSHADOW);
        const RECT inner{cell.left, cell.top, cell.right - lineWidth + 1, cell.bottom - lineWidth + 1};
        FillSolid(dc, RECT{inner.left, inner.top, inner.right, inner.top + 1}, frame);
        FillSolid(dc, RECT{inner.left, inner.bottom - 1, inner.right, inner.bottom}, frame);
        FillSolid(dc, RECT{inner.left, inner.top, inner.left + 1, inner.bottom}, frame);
        FillSolid(dc, RECT{inner.right - 1, inner.top, inner.right, inner.bottom}, frame);
    }
    if (current && !fixed && focused && p.FocusRect > 0) {
        RECT focus{cell.left + 1, cell.top + 1, cell.right - lineWidth, cell.bottom - lineWidth};
        if (p.FocusRect >= 2) {
            const COLORREF heavy = ResolveGridColor(p.ForeColor);
            FillSolid(dc, RECT{focus.left, focus.top, focus.right, focus.top + 2}, heavy);
            FillSolid(dc, RECT{focus.left, focus.bottom - 2, focus.right, focus.bottom}, heavy);
            FillSolid(dc, RECT{focus.left, focus.top, focus.left + 2, focus.bottom}, heavy);
            FillSolid(dc, RECT{focus.right - 2, focus.top, focus.right, focus.bottom}, heavy);
        } else {
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            DrawFocusRect(dc, &focus);
        }
    }
}

void GridPainter::Paint(HDC target, const RECT& client, const RECT& dirty, const FlexGrid& grid,
                        const TwipScale& scale, bool focused) {
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    PrepareCanvas(target, width, height);
    HDC dc = canvas_.Get();
    FillSolid(dc, client, GetSysColor(COLOR_APPWORKSPACE));
    SetBkMode(dc, TRANSPARENT);

    const auto rows = Bands(grid.Rows(), grid.FixedRows(), grid.TopRow(), height, scale.PerPixelY,
                            [&](long r) { return grid.RowHeight(r); });
    const auto cols = Bands(grid.Cols(), grid.FixedCols(), grid.LeftCol(), width, scale.PerPixelX,
                            [&](long c) { return grid.ColWidth(c); });
    for (const Band& r : rows) {
        if (r.To <= dirty.top || r.From >= dirty.bottom) continue;
        for (const Band& c : cols) {
            if (c.To <= dirty.left || c.From >= dirty.right) continue;
            RECT cell{c.From, r.From, c.To, r.To};
            PaintCell(dc, cell, grid, r.Index, c.Index, focused);
        }
    }
    BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, dc,
           dirty.left, dirty.top, SRCCOPY);
}

// Paints the inner grid: only the rows and columns the window shows, into
// an off-screen bitmap that is copied to the window in one go.
#pragma once

#include <windows.h>

#include <string>

#include "shared/win32/handles.h"
#include "admin/grid/grid_model.h"
#include "admin/grid/grid_view.h"

// 0x80000000 | index: a system colour; anything else 0x00BBGGRR.
COLORREF ResolveGridColor(uint32_t color);

struct GridPaintContext;

class GridPainter {
public:
    // The font cells are drawn in: the grid's own font when its properties
    // name one, else the ambient font (the owner's, or the GUI font).
    void SetFonts(const GridProps& props, HFONT ambient);
    HFONT FontFor(const CellAttributes& attr);
    HFONT BaseFont() { return FontFor(CellAttributes()); }

    void Paint(HDC target, const RECT& client, const RECT& dirty, const FlexGrid& grid, const TwipScale& scale,
               bool focused);
    // Width of the text in twips in the base font.
    long MeasureText(HWND hwnd, const std::string& text, const TwipScale& scale);

private:
    void PrepareCanvas(HDC target, int width, int height);
    void PaintCell(HDC dc, const RECT& cell, const GridPaintContext& context, long row, long col);
    int FontHeight(HDC dc, const CellAttributes& attr);  // of the font selected for attr

    LOGFONTA base_{};
    bool hasBase_ = false;
    GdiObject<HFONT> fonts_[16];
    int fontHeights_[16] = {};
    HFONT selectedFont_ = nullptr;  // in the canvas during a paint
    // The bitmap outlives the context it is selected into (members end in
    // reverse order).
    GdiObject<HBITMAP> bitmap_;
    MemoryDC canvas_;
    int canvasWidth_ = 0, canvasHeight_ = 0;
};

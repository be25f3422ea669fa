#include "runner/document/declaration_tips_win32.h"

#include <windowsx.h>

ControlPointer PointerOver(HWND owner, HWND control, LPARAM childPoint, int twipsPerPixel) {
    ControlPointer p;
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&rect), 2);
    p.X = GET_X_LPARAM(childPoint) * twipsPerPixel;
    p.Y = GET_Y_LPARAM(childPoint) * twipsPerPixel;
    p.Control.Left = rect.left * twipsPerPixel;
    p.Control.Top = rect.top * twipsPerPixel;
    p.Control.Width = (rect.right - rect.left) * twipsPerPixel;
    p.Control.Height = (rect.bottom - rect.top) * twipsPerPixel;
    return p;
}

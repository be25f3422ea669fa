#include "runner/window/picture_control_win32.h"

#include "runner/window/picture_pixels.h"

namespace {

const char kPictureClass[] = "TsrPicture";

struct PictureState {
    const PicturePixels* Source = nullptr;
    PicturePixels Scaled;
    bool Pressed = false;
    bool Tracking = false;
};

PictureState* StateOf(HWND control) { return reinterpret_cast<PictureState*>(GetWindowLongPtrA(control, 0)); }

void Notify(HWND control, int code) {
    HWND parent = GetParent(control);
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), static_cast<WORD>(code)),
                     reinterpret_cast<LPARAM>(control));
}

void Paint(HWND control, PictureState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(control, &ps);
    RECT client;
    GetClientRect(control, &client);
    RECT area;  // only the part that needs painting
    if (IntersectRect(&area, &ps.rcPaint, &client)) {
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        POINT origin = {0, 0};
        HWND parent = GetParent(control);
        MapWindowPoints(control, parent, &origin, 1);
        const auto* background =
            reinterpret_cast<const PicturePixels*>(SendMessageA(parent, WM_TSR_GETBACKGROUND, 0, 0));
        PicturePixels canvas = background
                                   ? CropPicture(*background, origin.x + area.left, origin.y + area.top, width, height)
                                   : SolidPicture(width, height, GetSysColor(COLOR_WINDOW));
        if (state.Source && !state.Source->Empty()) {
            if (state.Scaled.Width != client.right || state.Scaled.Height != client.bottom)
                state.Scaled = ScalePicture(*state.Source, client.right, client.bottom);
            BlendOver(canvas, state.Scaled, -area.left, -area.top);
        }
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, area.left, area.top, width, height, 0, 0, 0, height, canvas.Pixels.data(), &info,
                          DIB_RGB_COLORS);
        if (GetFocus() == control) DrawFocusRect(dc, &client);
    }
    EndPaint(control, &ps);
}

void OnMouseMove(HWND control, PictureState& state) {
    if (!state.Tracking) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, control, 0};
        state.Tracking = TrackMouseEvent(&track) != FALSE;
    }
    Notify(control, PCN_MOUSEMOVE);
}

void OnButtonUp(HWND control, PictureState& state, LPARAM lParam) {
    const bool wasPressed = state.Pressed;
    state.Pressed = false;
    if (GetCapture() == control) ReleaseCapture();
    Notify(control, PCN_MOUSEUP);
    RECT client;
    GetClientRect(control, &client);
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (wasPressed && PtInRect(&client, at)) Notify(control, PCN_CLICKED);
}

LRESULT CALLBACK PictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    PictureState* state = StateOf(control);
    switch (message) {
    case WM_NCCREATE: SetWindowLongPtrA(control, 0, reinterpret_cast<LONG_PTR>(new PictureState)); break;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(control, 0, 0);
        break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        if (state) {
            Paint(control, *state);
            return 0;
        }
        break;
    case WM_SIZE: InvalidateRect(control, nullptr, FALSE); return 0;
    case WM_LBUTTONDBLCLK:
        Notify(control, PCN_DOUBLECLICK);
        [[fallthrough]];  // the second press of a quick pair is a press too
    case WM_LBUTTONDOWN:
        if (!state) break;
        state->Pressed = true;
        SetCapture(control);
        if (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) SetFocus(control);
        Notify(control, PCN_MOUSEDOWN);
        return 0;
    case WM_LBUTTONUP:
        if (state) OnButtonUp(control, *state, lParam);
        return 0;
    case WM_RBUTTONUP: Notify(control, PCN_RIGHTCLICK); return 0;
    case WM_MOUSEMOVE:
        if (state) OnMouseMove(control, *state);
        return 0;
    case WM_MOUSELEAVE:
        if (state) state->Tracking = false;
        Notify(control, PCN_MOUSELEAVE);
        return 0;
    case WM_CAPTURECHANGED:
        if (state) state->Pressed = false;
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) {
            Notify(control, PCN_CLICKED);
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(control, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON;
    }
    return DefWindowProcA(control, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureControl(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = PictureProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = kPictureClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreatePictureControl(HWND parent, int id, const std::string& caption, bool tabStop) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (tabStop ? WS_TABSTOP : 0);
    return CreateWindowExA(0, kPictureClass, caption.c_str(), style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
}

void SetPicture(HWND control, const PicturePixels* picture) {
    PictureState* state = StateOf(control);
    if (!state || state->Source == picture) return;
    state->Source = picture;
    state->Scaled = PicturePixels();
    InvalidateRect(control, nullptr, FALSE);
}

const PicturePixels* GetPicture(HWND control) {
    PictureState* state = StateOf(control);
    return state ? state->Source : nullptr;
}

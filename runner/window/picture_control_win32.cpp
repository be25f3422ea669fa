#include "runner/window/picture_control_win32.h"

#include <memory>

#include "shared/win32/handles.h"

namespace {

const char kPictureClass[] = "TsrPicture";

}  // namespace

bool PictureControl::Register() {
    ClassInfo info;
    info.Name = kPictureClass;
    info.Style = CS_DBLCLKS;
    return RegisterClassOnce(info);
}

bool PictureControl::Create(HWND parent, int id, const std::string& caption, bool tabStop) {
    if (!Register()) return false;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (tabStop ? WS_TABSTOP : 0);
    return Window::Create(kPictureClass, caption.c_str(), style, 0, 0, 0, 0, 0, parent, id) != nullptr;
}

void PictureControl::SetPicture(const PicturePixels* picture) {
    if (source_ == picture) return;
    source_ = picture;
    scaled_ = PicturePixels();
    if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PictureControl::OnWindowGone() {
    if (ownedByWindow_) delete this;
}

void PictureControl::Notify(int code) {
    HWND parent = GetParent(Hwnd());
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Hwnd()), static_cast<WORD>(code)),
                     reinterpret_cast<LPARAM>(Hwnd()));
}

void PictureControl::Paint() {
    PaintDC paint(Hwnd());
    RECT client;
    GetClientRect(Hwnd(), &client);
    RECT area;  // only the part that needs painting
    if (!IntersectRect(&area, &paint.Area(), &client)) return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    POINT origin = {0, 0};
    HWND parent = GetParent(Hwnd());
    MapWindowPoints(Hwnd(), parent, &origin, 1);
    const auto* background = reinterpret_cast<const PicturePixels*>(SendMessageA(parent, WM_TSR_GETBACKGROUND, 0, 0));
    PicturePixels canvas = background
                               ? CropPicture(*background, origin.x + area.left, origin.y + area.top, width, height)
                               : SolidPicture(width, height, GetSysColor(COLOR_WINDOW));
    if (source_ && !source_->Empty()) {
        if (scaled_.Width != client.right || scaled_.Height != client.bottom)
            scaled_ = ScalePicture(*source_, client.right, client.bottom);
        BlendOver(canvas, scaled_, -area.left, -area.top);
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(paint.Get(), area.left, area.top, width, height, 0, 0, 0, height, canvas.Pixels.data(), &info,
                      DIB_RGB_COLORS);
    if (GetFocus() == Hwnd()) DrawFocusRect(paint.Get(), &client);
}

void PictureControl::OnButtonDown() {
    pressed_ = true;
    SetCapture(Hwnd());
    if (GetWindowLongA(Hwnd(), GWL_STYLE) & WS_TABSTOP) SetFocus(Hwnd());
    Notify(PCN_MOUSEDOWN);
}

void PictureControl::OnButtonUp(LPARAM lParam) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (GetCapture() == Hwnd()) ReleaseCapture();
    Notify(PCN_MOUSEUP);
    RECT client;
    GetClientRect(Hwnd(), &client);
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (wasPressed && PtInRect(&client, at)) Notify(PCN_CLICKED);
}

void PictureControl::OnMouseMove() {
    if (!tracking_) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, Hwnd(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    Notify(PCN_MOUSEMOVE);
}

LRESULT PictureControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_SIZE: InvalidateRect(Hwnd(), nullptr, FALSE); return 0;
    case WM_LBUTTONDBLCLK:
        Notify(PCN_DOUBLECLICK);
        OnButtonDown();  // the second press of a quick pair is a press too
        return 0;
    case WM_LBUTTONDOWN: OnButtonDown(); return 0;
    case WM_LBUTTONUP: OnButtonUp(lParam); return 0;
    case WM_RBUTTONUP: Notify(PCN_RIGHTCLICK); return 0;
    case WM_MOUSEMOVE: OnMouseMove(); return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        Notify(PCN_MOUSELEAVE);
        return 0;
    case WM_CAPTURECHANGED: pressed_ = false; return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) {
            Notify(PCN_CLICKED);
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(Hwnd(), nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON;
    }
    return DefaultHandling(message, wParam, lParam);
}

bool RegisterPictureControl(HINSTANCE) { return PictureControl::Register(); }

HWND CreatePictureControl(HWND parent, int id, const std::string& caption, bool tabStop) {
    auto control = std::make_unique<PictureControl>();
    if (!control->Create(parent, id, caption, tabStop)) return nullptr;
    // From here on the window owns the object (deleted in OnWindowGone).
    control->ownedByWindow_ = true;
    return control.release()->Hwnd();
}

void SetPicture(HWND control, const PicturePixels* picture) {
    if (auto* pictureControl = Window::FromHwnd<PictureControl>(control)) pictureControl->SetPicture(picture);
}

const PicturePixels* GetPicture(HWND control) {
    auto* pictureControl = Window::FromHwnd<PictureControl>(control);
    return pictureControl ? pictureControl->Picture() : nullptr;
}

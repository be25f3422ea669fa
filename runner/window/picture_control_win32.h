// A picture control: paints a picture (stretched to the control's size with
// filtering) over the part of its parent's background it covers, carries a
// caption as its window text and reports the mouse to its parent through
// WM_COMMAND with the notification codes below.
#pragma once

#include <windows.h>

#include <string>

#include "runner/window/picture_pixels.h"
#include "shared/win32/messages.h"
#include "shared/win32/window.h"

enum PictureNotification {
    PCN_CLICKED = 0,  // left button pressed and released over the control, or Space/Enter
    PCN_MOUSEDOWN = 1,
    PCN_MOUSEUP = 2,
    PCN_MOUSEMOVE = 3,
    PCN_MOUSELEAVE = 4,
    PCN_RIGHTCLICK = 5,
    PCN_DOUBLECLICK = 6,
};

// The parent answers WM_TSR_GETBACKGROUND with a const PicturePixels* of its
// whole inner area (or 0 for none); pictures and labels paint it behind
// themselves.

class PictureControl : public Window {
public:
    // Registers the class once per program (Create does it too).
    static bool Register();
    // Creates the control, not yet placed nor shown; false when it cannot.
    bool Create(HWND parent, int id, const std::string& caption, bool tabStop);
    // The picture is not copied and must outlive its use by the control;
    // nullptr shows the background alone.
    void SetPicture(const PicturePixels* picture);
    const PicturePixels* Picture() const { return source_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;

private:
    friend HWND CreatePictureControl(HWND parent, int id, const std::string& caption, bool tabStop);

    void Notify(int code);
    void Paint();
    void OnButtonDown();
    void OnButtonUp(LPARAM lParam);
    void OnMouseMove();

    const PicturePixels* source_ = nullptr;
    PicturePixels scaled_;
    bool pressed_ = false;
    bool tracking_ = false;
    bool ownedByWindow_ = false;  // made by CreatePictureControl: goes with its window
};

// PictureControl::Register for callers that register up front; the class
// belongs to the program's own module, whatever instance is given.
bool RegisterPictureControl(HINSTANCE instance);
// A control that lives as long as its window, for callers that keep only
// the handle.
HWND CreatePictureControl(HWND parent, int id, const std::string& caption, bool tabStop);
// The same as the members, for a control known by its handle; other windows
// are left alone.
void SetPicture(HWND control, const PicturePixels* picture);
const PicturePixels* GetPicture(HWND control);

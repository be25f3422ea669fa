// A picture control: paints a picture (stretched to the control's size with
// filtering) over the part of its parent's background it covers, carries a
// caption as its window text and reports the mouse to its parent through
// WM_COMMAND with the notification codes below.
#pragma once

#include <windows.h>

#include "shared/win32/messages.h"

#include <string>

struct PicturePixels;

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

bool RegisterPictureControl(HINSTANCE instance);
HWND CreatePictureControl(HWND parent, int id, const std::string& caption, bool tabStop);
// The picture is not copied and must outlive its use by the control; nullptr
// shows the background alone.
void SetPicture(HWND control, const PicturePixels* picture);
const PicturePixels* GetPicture(HWND control);

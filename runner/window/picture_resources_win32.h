// The window's pictures, read from the program's resources once, in the
// size that suits the display.
#pragma once

#include <windows.h>

#include <map>

#include "runner/window/picture_pixels.h"

class PictureResources {
public:
    // pixelsPerInch picks the 96 or the 144 DPI drawings.
    PictureResources(HINSTANCE instance, int pixelsPerInch);
    // The picture with the image-list number; an empty picture when missing.
    const PicturePixels& Picture(int number);

private:
    HINSTANCE instance_;
    int base_;
    std::map<int, PicturePixels> pictures_;
};

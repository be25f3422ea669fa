#include "runner/window/picture_resources_win32.h"

#include <string>

#include "runner/window/declaration_ids.h"

namespace {

PicturePixels LoadPictureResource(HINSTANCE instance, int id) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!found) return PicturePixels();
    HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(instance, found);
    if (!data || size == 0) return PicturePixels();
    return ReadBmpPicture(std::string(static_cast<const char*>(data), size));
}

}  // namespace

PictureResources::PictureResources(HINSTANCE instance, int pixelsPerInch)
    : instance_(instance), base_(pixelsPerInch >= 120 ? kPictureResources144 : kPictureResources96) {}

const PicturePixels& PictureResources::Picture(int number) {
    auto found = pictures_.find(number);
    if (found != pictures_.end()) return found->second;
    // The background is drawn once, in one size.
    int id = number == PIC_BACKGROUND ? kPictureResources96 + number : base_ + number;
    return pictures_[number] = LoadPictureResource(instance_, id);
}

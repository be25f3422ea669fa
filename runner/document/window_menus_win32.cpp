#include "runner/document/window_menus_win32.h"

#include <string>

namespace {

class OwnedMenu {
public:
    explicit OwnedMenu(HMENU menu) : menu_(menu) {}
    ~OwnedMenu() {
        if (menu_) DestroyMenu(menu_);
    }
    OwnedMenu(const OwnedMenu&) = delete;
    OwnedMenu& operator=(const OwnedMenu&) = delete;
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

// A list's shown items; items without text offer nothing to choose.
HMENU ListMenu(const MenuList& list, SpeakerMenuKind kind) {
    HMENU menu = CreatePopupMenu();
    for (int k = 1; k <= list.Count() && k <= kMaxMenuListItems; ++k) {
        const MenuListItem& item = list.Item(k);
        if (!item.Visible || item.Caption.empty()) continue;
        const UINT flags =
            MF_STRING | (item.Checked ? MF_CHECKED : MF_UNCHECKED) | (k > 1 && k % 40 == 1 ? MF_MENUBARBREAK : 0);
        AppendMenuA(menu, flags, static_cast<UINT_PTR>(SpeakerMenuCommand(kind, k)),
                    MenuCaptionText(item.Caption).c_str());
    }
    return menu;
}

void AppendSubmenu(HMENU parent, HMENU child, const char* caption) {
    const UINT flags = MF_POPUP | (GetMenuItemCount(child) > 0 ? 0 : MF_GRAYED);
    AppendMenuA(parent, flags, reinterpret_cast<UINT_PTR>(child), caption);
}

// FormMenu: "Save Current Settings", "SpeakerMenu" and "DocHist"; only the
// speaker's submenu is ever shown.
HMENU BuildFormMenu(const FormMenu& lists) {
    HMENU form = CreatePopupMenu();
    AppendMenuA(form, MF_STRING | MF_GRAYED, 0, "Save Current Settings");
    HMENU speaker = CreatePopupMenu();
    AppendMenuA(speaker, MF_STRING, static_cast<UINT_PTR>(SpeakerMenuCommand(SpeakerMenuKind::HideSpeaker, 0)),
                kHideSpeakerCaption);
    AppendSubmenu(speaker, ListMenu(lists.VoiceMenu, SpeakerMenuKind::Voice), kSpeakerVoiceCaption);
    AppendSubmenu(speaker, ListMenu(lists.SpeakerVolumeMenu, SpeakerMenuKind::Volume), kSpeakerVolumeCaption);
    AppendSubmenu(speaker, ListMenu(lists.SpeakRateMenu, SpeakerMenuKind::Rate), kSpeakRateCaption);
    AppendMenuA(form, MF_POPUP, reinterpret_cast<UINT_PTR>(speaker), "SpeakerMenu");
    HMENU history = CreatePopupMenu();
    AppendMenuA(history, MF_STRING | MF_GRAYED, 0, "DocHist");
    AppendMenuA(form, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(history), "DocHist");
    return form;
}

}  // namespace

SpeakerMenuChoice ShowSpeakerMenu(HWND owner, const FormMenu& menu, POINT screen) {
    OwnedMenu form(BuildFormMenu(menu));
    HMENU speaker = GetSubMenu(form.Get(), 1);
    if (!speaker) return SpeakerMenuChoice();
    // The owner must be in front for the menu to close when clicked away.
    SetForegroundWindow(owner);
    const int command = static_cast<int>(
        TrackPopupMenu(speaker, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return SpeakerMenuChoiceOf(command);
}

// The console window's menus, toolbar, keys, help and About boxes.
#include <windows.h>

#include "admin/console/admin_window_win32.h"
#include "admin/console/console_ids.h"
#include "admin/console/console_menu.h"
#include "admin/console/console_version.h"
#include "admin/console/picker_dialogs_win32.h"
#include "shared/file_routines.h"
#include "shared/identity.h"
#include "shared/win32/handles.h"
#include "shared/win32/window_helpers.h"

namespace {

constexpr char kMessageTitle[] = "TsrAdmin";
constexpr char kNoHelp[] = "Unable to display Help Contents. There is no Help associated with this project.";

std::string VersionText() {
    return std::to_string(TSR_ADMIN_MAJOR) + "." + std::to_string(TSR_ADMIN_MINOR) + "." +
           std::to_string(TSR_ADMIN_REVISION);
}

std::string CurrentFolder() {
    char folder[MAX_PATH * 2] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
    return n > 0 && n < sizeof folder ? std::string(folder, n) : std::string();
}

}  // namespace

void frmTessarinAdmin::OnCommand(int id, int code, HWND from) {
    if (from == actionButton_ && code == BN_CLICKED) return OnActionButton();
    if (from == closeButton_ && code == BN_CLICKED) return OnClose();
    if ((from == label1_ || from == pathLabel_) && code == STN_CLICKED) return OnPathLabelClick();
    if (from && from == toolBar_) return OnToolbarButton(id);
    if (from && from != toolBar_) {
        // A control of a tab (the editor's changes, a grid's notices).
        for (auto& tab : tabs_) {
            if (tab->Command(MAKELONG(id, code))) return;
        }
        return;
    }
    if (OnMenuCommand(id)) return;
    for (auto& tab : tabs_) {
        if (tab->Command(id)) return;
    }
}

bool frmTessarinAdmin::OnMenuCommand(int id) {
    switch (id) {
    case ID_FILE_OPEN: ShowOpenFileDialog(Hwnd()); return true;
    case ID_FILE_PAGESETUP: ShowPageSetupDialog(Hwnd()); return true;
    case ID_FILE_EXIT: OnClose(); return true;
    case ID_FILE_MRU1:
    case ID_FILE_MRU2:
    case ID_FILE_MRU3: return true;
    case ID_VIEW_TOOLBAR: ToggleBar(id, toolBar_); return true;
    case ID_VIEW_STATUSBAR: ToggleBar(id, statusBar_); return true;
    case ID_VIEW_WEBBROWSER: Tab(ConsoleTabId::Document).Command(ID_DOC_VIEWEDIT); return true;
    case ID_HELP_CONTENTS:
    case ID_HELP_SEARCH: ShowNoHelpBox(); return true;
    case ID_HELP_ABOUT: ShowVersionBox(); return true;
    case ID_TOOLS_COMPLIANCE: ShowCompliance(); return true;
    case ID_KEY_HELP: ShowHelpFile(); return true;
    case ID_KEY_SAVE:
        // Ctrl+S does what the Save button does, where the button saves.
        if (IsWindowEnabled(actionButton_) && ActionCaption() == "&Save") SaveAll();
        return true;
    default: break;
    }
    if (MenuHandlerName(id).empty()) return false;
    Message(PlaceholderMessage(id), kMessageTitle, MB_OK);
    return true;
}

void frmTessarinAdmin::OnToolbarButton(int id) {
    int count = 0;
    const ToolbarButton* buttons = ToolbarButtons(&count);
    for (int i = 0; i < count; ++i) {
        if (buttons[i].CommandId != id) continue;
        if (buttons[i].MenuCommand) {
            OnMenuCommand(buttons[i].MenuCommand);
        } else {
            Message(ToolbarPlaceholderMessage(buttons[i].Key), kMessageTitle, MB_OK);
        }
        return;
    }
}

void frmTessarinAdmin::ToggleBar(int menuId, HWND bar) {
    HMENU menu = GetMenu(Hwnd());
    const bool show = !(GetMenuState(menu, menuId, MF_BYCOMMAND) & MF_CHECKED);
    CheckMenuItem(menu, menuId, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
    ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
    Layout();
}

void frmTessarinAdmin::ShowHelpFile() {
    const std::string folder = CurrentFolder();
    const std::string path = JoinPath(folder, "Tessarin.chm");
    if (folder.empty() || !FileExists(path)) return;
    // The HTML Help viewer is loaded only when there is a help file to show;
    // the library stays loaded for the viewer's window.
    static HMODULE viewer = LoadLibraryA("hhctrl.ocx");
    if (!viewer) return;
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")));
    constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
    if (htmlHelp) htmlHelp(Hwnd(), path.c_str(), kDisplayTopic, 0);
}

void frmTessarinAdmin::ShowNoHelpBox() { Message(kNoHelp, WindowText(Hwnd()), MB_OK | MB_ICONINFORMATION); }

void frmTessarinAdmin::ShowVersionBox() { Message("Version " + VersionText(), kMessageTitle, MB_OK); }

void frmTessarinAdmin::ShowAboutBox() {
    const std::string text = FileNameOf(AppExePath()) + " (" + VersionText() +
                             ")\r\n\r\nTessarin administration console: the declaration document, its dates, "
                             "the settings, user profiles and acceptance records.\r\n\r\n"
                             "Copyright (c) Tessarin. Questions go to your site's IT service desk.";
    Message(text, "About", MB_OK | MB_ICONINFORMATION);
}

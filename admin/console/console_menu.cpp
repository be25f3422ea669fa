#include "admin/console/console_menu.h"

#include <iterator>

#include "admin/console/console_ids.h"

namespace {

struct Handler {
    int Id;
    const char* Name;
};

const Handler kHandlers[] = {
    {ID_FILE_NEW, "mnuFileNew_Click"},
    {ID_FILE_OPEN, "mnuFileOpen_Click"},
    {ID_FILE_CLOSE, "mnuFileClose_Click"},
    {ID_FILE_SAVE, "mnuFileSave_Click"},
    {ID_FILE_SAVEAS, "mnuFileSaveAs_Click"},
    {ID_FILE_SAVEALL, "mnuFileSaveAll_Click"},
    {ID_FILE_PROPERTIES, "mnuFileProperties_Click"},
    {ID_FILE_PAGESETUP, "mnuFilePageSetup_Click"},
    {ID_FILE_PRINTPREVIEW, "mnuFilePrintPreview_Click"},
    {ID_FILE_PRINT, "mnuFilePrint_Click"},
    {ID_FILE_SEND, "mnuFileSend_Click"},
    {ID_FILE_EXIT, "mnuFileExit_Click"},
    {ID_EDIT_UNDO, "mnuEditUndo_Click"},
    {ID_EDIT_CUT, "mnuEditCut_Click"},
    {ID_EDIT_COPY, "mnuEditCopy_Click"},
    {ID_EDIT_PASTE, "mnuEditPaste_Click"},
    {ID_EDIT_PASTESPECIAL, "mnuEditPasteSpecial_Click"},
    {ID_VIEW_TOOLBAR, "mnuViewToolbar_Click"},
    {ID_VIEW_STATUSBAR, "mnuViewStatusBar_Click"},
    {ID_VIEW_REFRESH, "mnuViewRefresh_Click"},
    {ID_VIEW_OPTIONS, "mnuViewOptions_Click"},
    {ID_VIEW_WEBBROWSER, "mnuViewWebBrowser_Click"},
    {ID_TOOLS_OPTIONS, "mnuToolsOptions_Click"},
    {ID_WINDOW_NEWWINDOW, "mnuWindowNewWindow_Click"},
    {ID_WINDOW_CASCADE, "mnuWindowCascade_Click"},
    {ID_WINDOW_TILEHORIZONTAL, "mnuWindowTileHorizontal_Click"},
    {ID_WINDOW_TILEVERTICAL, "mnuWindowTileVertical_Click"},
    {ID_WINDOW_ARRANGEICONS, "mnuWindowArrangeIcons_Click"},
    {ID_HELP_CONTENTS, "mnuHelpContents_Click"},
    {ID_HELP_SEARCH, "mnuHelpSearchForHelpOn_Click"},
    {ID_HELP_ABOUT, "mnuHelpAbout_Click"},
};

const ToolbarButton kButtons[] = {
    {ID_TB_NEW, "New", 0},
    {ID_TB_OPEN, "Open", ID_FILE_OPEN},
    {ID_TB_SAVE, "Save", ID_FILE_SAVE},
    {ID_TB_PRINT, "Print", ID_FILE_PRINT},
    {ID_TB_CUT, "Cut", ID_EDIT_CUT},
    {ID_TB_COPY, "Copy", ID_EDIT_COPY},
    {ID_TB_PASTE, "Paste", ID_EDIT_PASTE},
    {ID_TB_BOLD, "Bold", 0},
    {ID_TB_ITALIC, "Italic", 0},
    {ID_TB_UNDERLINE, "Underline", 0},
    {ID_TB_ALIGNLEFT, "Align Left", 0},
    {ID_TB_CENTER, "Center", 0},
    {ID_TB_ALIGNRIGHT, "Align Right", 0},
};

}  // namespace

std::string MenuHandlerName(int commandId) {
    for (const Handler& h : kHandlers) {
        if (h.Id == commandId) return h.Name;
    }
    return {};
}

std::string PlaceholderMessage(int commandId) { return "Add '" + MenuHandlerName(commandId) + "' code."; }

const ToolbarButton* ToolbarButtons(int* count) {
    *count = static_cast<int>(std::size(kButtons));
    return kButtons;
}

std::string ToolbarPlaceholderMessage(const char* key) { return "Add '" + std::string(key) + "' button code."; }

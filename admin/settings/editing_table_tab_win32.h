// The window side the dates and settings tabs share: the table as wide as
// the window's width asks (never wider than its page), the user's open edit
// ended before the table is read or refilled, and a pop-up menu at the
// pointer whose command comes back to the tab through the main window.
#pragma once

#include <windows.h>

#include "admin/console/grid_tab_win32.h"
#include "admin/settings/editing_table.h"
#include "shared/win32/handles.h"

// A pop-up menu the tab builds or loads, destroyed when it goes.
struct PopupMenuTraits {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DestroyMenu(h) != 0; }
};
using PopupMenu = UniqueWin32<PopupMenuTraits>;

class EditingTableTab : public GridTab {
public:
    using GridTab::GridTab;
    void Place(const RECT& page) override;
    void WindowWidthChanged(long innerWidthTwips) override;

protected:
    // Keeps what the user typed in its cell, or drops it, and closes the editor.
    void EndEdit(bool keepText) { Grid().EndCellEdit(keepText); }
    // The pop-up menu at the pointer; a chosen item arrives as a command.
    void ShowPopupMenu(HMENU menu);

private:
    void ApplyWidth();

    RECT page_{};
    EditingTableWidths widths_;  // all 0 until the window's width is known
};

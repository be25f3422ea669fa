#include "admin/settings/settings_tab_win32.h"

#include "admin/console/admin_window_win32.h"
#include "admin/profiles/users_window_win32.h"
#include "admin/settings/connection_test_win32.h"
#include "shared/connection_string.h"
#include "shared/win32/window_helpers.h"

namespace {

constexpr int kRightButton = 2;

}  // namespace

bool SettingsTab::Create(ConsoleHost& host) {
    if (!GridTab::Create(host)) return false;
    SetupSettingsTable(Grid().Model());
    // The drop-down list of the "Value" column is made once; the column
    // switches between it and the text editor row by row.
    Grid().SetCellCtl(kValueCol, EditorDropDownList);
    Grid().SetCellCtl(kValueCol, EditorText);
    Grid().SetGridSize();
    return true;
}

void SettingsTab::Open() { Refill(); }

void SettingsTab::Enter() { Host().SetPathLabel(Host().GetSettingsFile()); }

void SettingsTab::PickFile(const std::string& labelText) {
    const std::string chosen = Host().GetDiag("Declaration Ini", labelText);
    Host().SetPathLabel(chosen);
    Host().OpenSettingsFile(chosen);
    Refill();
}

bool SettingsTab::Save(std::string* failure) {
    EndEdit(true);
    return SaveSettings(Grid().Model(), Host().AdminSettings(), Host().GetSettingsFile(), failure);
}

void SettingsTab::DiscardEdits() { Refill(); }

void SettingsTab::Refill() {
    EndEdit(false);
    FillSettingsTable(Grid().Model(), Host().AdminSettings());
    lastSettingRow_ = 0;
    // The first cell is current again; its editor follows at the next move.
    Grid().ClearCellCombo(kValueCol);
    Grid().SetCellCtl(kValueCol, EditorText);
}

CopyResult SettingsTab::CopyProperty(const std::string& fileName) {
    EndEdit(true);
    return ::CopyProperty(Grid().Model(), Host().AdminSettings(), Host().AppFolder(), fileName);
}

// ---- cell changes, the value editor and the pickers ----

void SettingsTab::RowColChange() {
    const RowColChangeResult result = SettingsRowColChange(Grid().Model(), Host().AdminSettings(), lastSettingRow_);
    if (result.Edited || result.EnableSave) Host().NoteEdit();
    ApplyValueEditor(result.Editor);
}

void SettingsTab::KeyPress(int& KeyAscii) {
    // A printable key in a setting's value starts an edit that replaces it.
    const FlexGrid& grid = Grid().Grid();
    if (KeyAscii >= 32 && grid.Col() == kValueCol && IsSettingRow(grid.Row(), Host().AdminSettings()))
        Host().NoteEdit();
}

void SettingsTab::ApplyValueEditor(const ValueEditor& editor) {
    Grid().ClearCellCombo(kValueCol);
    if (!editor.Shown) return;
    Grid().SetCellCtl(kValueCol, editor.DropDown ? EditorDropDownList : EditorText);
    for (const std::string& choice : editor.Choices) Grid().AddCellComboItem(kValueCol, choice);
}

void SettingsTab::DblClick() {
    EditGridModel& table = Grid().Model();
    const long row = table.Grid.Row();
    if (row < 1 || !SettingHasPicker(table.Grid.TextMatrix(row, kSettingCol))) return;
    EndEdit(true);
    const std::string old = table.Grid.TextMatrix(row, kValueCol);
    const std::string chosen = Host().GetDiag(table.Grid.TextMatrix(row, kSettingCol), old);
    table.Grid.SetTextMatrix(row, kValueCol, chosen);
    if (chosen != old) Host().NoteEdit();
}

// ---- PropertyMenu and the user-profiles window ----

void SettingsTab::MouseDown(int Button, int, long, long) {
    if (Button != kRightButton) return;
    EndEdit(true);
    PopupMenu resource(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PROPERTYMENU)));
    if (resource.Valid()) ShowPopupMenu(GetSubMenu(resource.Get(), 0));
}

bool SettingsTab::Command(int id) {
    switch (id) {
    case ID_PROP_COPYSETTINGS: ShowUsersWindow(kUsersCopy); return true;
    case ID_PROP_DELETESETTINGS: ShowUsersWindow(kUsersDelete); return true;
    case ID_PROP_TESTCONNECTION: TestRecordDatabase(); return true;
    default: return false;
    }
}

void SettingsTab::ShowUsersWindow(int action) {
    auto* parent = Window::FromHwnd<frmTessarinAdmin>(Host().MainWindow());
    if (!parent) return;
    frmUsers users;
    if (!users.Load(*parent)) return;
    // Beside the main window: its top at the main window's top, its left
    // edge at the main window's right edge.
    RECT main{};
    GetWindowRect(Host().MainWindow(), &main);
    users.PlaceAt(main.right, main.top);
    users.ShowMe(action, *parent);
}

// ---- Test connection ----

void SettingsTab::TestRecordDatabase() {
    // The value as edited so far counts: the current row goes into the store.
    EndEdit(true);
    const long row = Grid().Grid().Row();
    if (IsSettingRow(row, Host().AdminSettings()) &&
        ApplyRowEdit(Grid().Model(), row, Host().AdminSettings()) == RowEdit::Applied)
        Host().NoteEdit();
    const std::string connection = RecordDatabase(Host().AdminSettings());
    ConnectionTestResult result;
    {
        WaitCursor wait;
        Host().ShowStatusMsg("Testing the \"Record Database\" connection...");
        result = TestConnection(connection);
    }
    Host().ShowStatusMsg(ConnectionTestStatus(result, connection));
    const bool good = result.Connected && ConnectionCheckProblem(connection).empty();
    MessageBoxA(Host().MainWindow(), ConnectionTestMessage(result, connection).c_str(), kConnectionTestTitle,
                MB_OK | (good ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

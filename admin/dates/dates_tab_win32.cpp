#include "admin/dates/dates_tab_win32.h"

#include "admin/console/console_files.h"
#include "shared/win32/handles.h"

namespace {

constexpr int kRightButton = 2;

}  // namespace

bool DatesTab::Create(ConsoleHost& host) {
    if (!GridTab::Create(host)) return false;
    SetupDatesTable(Grid().Model());
    Grid().SetGridSize();
    return true;
}

void DatesTab::Open() { LoadDates(); }

void DatesTab::Enter() { Host().SetPathLabel(GetDatesFile()); }

void DatesTab::PickFile(const std::string& labelText) {
    const std::string chosen = Host().GetDiag("Document Dates", labelText);
    Host().SetPathLabel(chosen);
    datesFilePath_ = chosen;
    LoadDates();
}

bool DatesTab::Save(std::string* failure) {
    EndEdit(true);
    return SaveDates(Grid().Model(), GetDatesFile(), docDates_, failure);
}

std::string DatesTab::GetDatesFile() { return ::GetDatesFile(Host().AppFolder(), &datesFilePath_); }

void DatesTab::LoadDates() {
    EndEdit(false);
    docDates_.Clear();
    LoadSettingsFile(GetDatesFile(), docDates_);
    FillDatesTable(Grid().Model(), docDates_);
}

// ---- DocDateMenu ----

void DatesTab::MouseDown(int Button, int, long, long) {
    if (Button == kRightButton) ShowDocDateMenu();
}

void DatesTab::ShowDocDateMenu() {
    // A fill must not be overwritten by an edit still open.
    EndEdit(true);
    PopupMenu menu(CreatePopupMenu());
    if (!menu.Valid()) return;
    int id = ID_DATES_MENU_FIRST;
    for (const DatesMenuItem& item : DocDateMenuItems()) AppendMenuA(menu.Get(), MF_STRING, id++, item.Caption);
    ShowPopupMenu(menu.Get());
}

bool DatesTab::Command(int id) {
    if (id < ID_DATES_MENU_FIRST || id > ID_DATES_MENU_LAST) return false;
    const auto& items = DocDateMenuItems();
    const auto index = static_cast<std::size_t>(id - ID_DATES_MENU_FIRST);
    if (index < items.size()) RunMenuCommand(items[index].Command);
    return true;
}

void DatesTab::RunMenuCommand(DatesCommand command) {
    EditGridModel& table = Grid().Model();
    switch (command) {
    case DatesCommand::OrderWeekdays:
    case DatesCommand::RandomWeekdays: {
        const int mode = command == DatesCommand::OrderWeekdays ? FillOrderedWeekdays : FillDatesFromTomorrow;
        // A fill without a file in the first row is no edit (nothing it
        // wrote would be saved); earlier edits still count.
        if (FillDates(table, mode, calendar_)) Host().NoteEdit();
        break;
    }
    case DatesCommand::ReloadDates:
        EndEdit(false);
        ReloadDates(table, docDates_, GetDatesFile());
        break;
    case DatesCommand::ClearAllDates:
        EndEdit(false);
        ClearAllDates(table);
        break;
    }
}

// ---- the picker, cell changes and edits ----

void DatesTab::DblClick() {
    EditGridModel& table = Grid().Model();
    const long row = table.Grid.Row();
    if (!DatesRowOpensPicker(table, row, calendar_)) return;
    EndEdit(true);
    const std::string chosen = Host().GetDiag(DatesPickerHeader(table), table.Grid.TextMatrix(row, kFileCol));
    table.Grid.SetTextMatrix(row, kFileCol, chosen);
    if (!chosen.empty()) Host().NoteEdit();
}

void DatesTab::RowColChange() {
    if (DatesRowComplete(Grid().Model(), Grid().Grid().Row())) Host().NoteEdit();
}

void DatesTab::KeyPress(int& KeyAscii) {
    // A printable key starts an edit that replaces the cell's text.
    if (KeyAscii >= 32) Host().NoteEdit();
}

void DatesTab::EnterCell() {
    enteredRow_ = Grid().Grid().Row();
    enteredCol_ = Grid().Grid().Col();
    enteredText_ = Grid().Grid().TextMatrix(enteredRow_, enteredCol_);
}

void DatesTab::LeaveCell() {
    // The spin buttons change a date without a key reaching the table.
    if (enteredRow_ > 0 && Grid().Grid().TextMatrix(enteredRow_, enteredCol_) != enteredText_) Host().NoteEdit();
}

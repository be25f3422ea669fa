#include "admin/dates/dates_table.h"

#include <unordered_map>

#include "admin/grid/grid_editing.h"
#include "admin/settings/editing_table.h"
#include "shared/file_routines.h"
#include "shared/text_routines.h"

namespace {

constexpr long kWeekdayRows = 8;  // the header and the seven days

void SetHeaders(EditGridModel& table) {
    table.Grid.SetTextMatrix(0, kDateCol, kDateHeader);
    table.Grid.SetTextMatrix(0, kFileCol, kFileHeader);
}

}  // namespace

void SetupDatesTable(EditGridModel& table) {
    SetupEditingTable(table, kDateHeader, kFileHeader);
    // The text field would compute "1/2/24" as a division.
    SetCellCtl(table, kDateCol, EditorSpin);
    SetCellCtl(table, kFileCol, EditorText);
}

void FillDatesTable(EditGridModel& table, const SettingsStore& docDates) {
    table.GridClear();
    SetHeaders(table);
    const std::vector<SettingEntry>& entries = docDates.Entries();
    EnsureTableRows(table, static_cast<long>(entries.size()) + 2);
    long row = 0;
    for (const SettingEntry& entry : entries) {
        ++row;
        table.Grid.SetTextMatrix(row, kDateCol, entry.Key);
        table.Grid.SetTextMatrix(row, kFileCol, ShownValue(entry.Key, entry.Value));
    }
}

SettingsStore DatesStoreFromTable(const EditGridModel& table) {
    SettingsStore store;
    std::vector<SettingEntry>& entries = store.Entries();
    // The first entry of each date, by the form lookups compare (trimmed,
    // any case): SetSettingByKey's match without its scan of the store.
    std::unordered_map<std::string, std::size_t> first;
    for (long row = 1; row < table.Grid.Rows(); ++row) {
        const std::string& date = table.Grid.TextMatrix(row, kDateCol);
        const std::string& file = table.Grid.TextMatrix(row, kFileCol);
        if (IsBlankText(date) || IsBlankText(file)) continue;
        // The new store's one empty entry is used for the first row.
        if (entries.empty() || !entries.back().Key.empty()) entries.emplace_back();
        SettingEntry& added = entries.back();
        added.Section.clear();
        added.Key = date;
        added.Value = date;
        auto found = first.emplace(ToLower(Trim(date)), entries.size() - 1).first;
        entries[found->second].Value = file;
    }
    return store;
}

bool SaveDates(const EditGridModel& table, const std::string& path, SettingsStore& docDates, std::string* failure) {
    docDates = DatesStoreFromTable(table);
    if (SaveSettingsFile(docDates, path)) return true;
    if (failure) *failure = SaveFailureText(path);
    return false;
}

bool FillDates(EditGridModel& table, int mode, const Calendar& calendar) {
    FlexGrid& grid = table.Grid;
    if (mode == FillOrderedWeekdays) {
        EnsureTableRows(table, kWeekdayRows);
        const int first = ((calendar.FirstDayOfWeek() % 7) + 7) % 7;
        for (int d = 1; d <= 7; ++d) grid.SetTextMatrix(d, kDateCol, calendar.DayName((first + d - 1) % 7, false));
    } else if (mode == FillDatesFromTomorrow) {
        const CivilDate today = calendar.Today();
        for (long row = 1; row < grid.Rows(); ++row)
            grid.SetTextMatrix(row, kDateCol, FormatShortDate(AddDays(today, row), calendar));
    }
    return !grid.TextMatrix(1, kFileCol).empty();
}

bool DatesRowOpensPicker(const EditGridModel& table, long row, const Calendar& calendar) {
    if (row < 1) return false;
    std::string date = table.Grid.TextMatrix(row, kDateCol);
    if (ReadsAsNumber(date) || ReadDate(date, calendar)) return true;
    return IsWeekdayName(date, calendar);
}

std::string DatesPickerHeader(const EditGridModel& table) { return table.Grid.TextMatrix(0, kDateCol); }

bool DatesRowComplete(const EditGridModel& table, long row) {
    return row >= 1 && !IsBlankText(table.Grid.TextMatrix(row, kDateCol)) &&
           !IsBlankText(table.Grid.TextMatrix(row, kFileCol));
}

void ReloadDates(EditGridModel& table, SettingsStore& docDates, const std::string& path) {
    LoadSettingsFile(path, docDates);
    FillDatesTable(table, docDates);
}

void ClearAllDates(EditGridModel& table) {
    table.GridClear();
    SetHeaders(table);
}

const std::vector<DatesMenuItem>& DocDateMenuItems() {
    static const std::vector<DatesMenuItem> kItems = {
        {DatesCommand::OrderWeekdays, "OrderWeekdays", "Fill Ordered Weekdays"},
        {DatesCommand::RandomWeekdays, "RandomWeekdays", "Fill Dates From Tomorrow"},
        {DatesCommand::ReloadDates, "ReloadDates", "Reload Dates"},
        {DatesCommand::ClearAllDates, "ClearAllDates", "Clear All Dates"},
    };
    return kItems;
}

#include "admin/settings/editing_table.h"

#include "shared/connection_string.h"
#include "shared/text_routines.h"

namespace {

bool EndsWith(const std::string& text, const char* tail) {
    const std::string end(tail);
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

long Percent(long whole, long percent) { return whole * percent / 100; }

}  // namespace

EditingTableWidths EditingTableWidthsFor(long innerWidth) {
    if (innerWidth < 0) innerWidth = 0;
    EditingTableWidths w;
    w.Table = Percent(innerWidth, 98);
    w.LineNumber = Percent(innerWidth, 5);
    w.First = Percent(innerWidth, 58);
    w.Second = Percent(innerWidth, 30);
    return w;
}

long FirstColumnWidthIn(const EditingTableWidths& widths, long roomTwips) {
    const long left = roomTwips - widths.LineNumber - widths.Second;
    return left < 0 ? 0 : (left < widths.First ? left : widths.First);
}

void SetupEditingTable(EditGridModel& table, const std::string& firstHeader, const std::string& secondHeader) {
    FlexGrid& grid = table.Grid;
    grid.SetCols(kEditingTableCols);
    grid.SetRows(2);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    table.Setup();
    grid.SetTextMatrix(0, 1, firstHeader);
    grid.SetTextMatrix(0, 2, secondHeader);
    // The header row is the grid's fixed row; its colours are the fixed colours.
    grid.Props().BackColorFixed = kTableHeaderBackColor;
    grid.Props().ForeColorFixed = kTableHeaderForeColor;
    grid.PropsChanged();
}

EditingTableWidths SizeEditingTable(EditGridModel& table, long innerWidth) {
    EditingTableWidths w = EditingTableWidthsFor(innerWidth);
    table.Grid.SetColWidth(0, static_cast<int>(w.LineNumber));
    table.Grid.SetColWidth(1, static_cast<int>(w.First));
    table.Grid.SetColWidth(2, static_cast<int>(w.Second));
    return w;
}

bool IsTextKey(const std::string& key) {
    // A connection string's commas are its own (Server=db1,1433), not choices.
    return EndsWith(key, "Message") || EndsWith(key, "Caption") || EndsWith(key, "Msg") ||
           EqualsNoCase(key, kRecordDatabaseKey);
}

std::string ShownValue(const std::string& key, const std::string& value) {
    return IsTextKey(key) ? value : FirstItem(value);
}

void EnsureTableRows(EditGridModel& table, long rows) {
    // FlexGrid gives new rows its default height, the standard row height.
    if (table.Grid.Rows() < rows) table.Grid.SetRows(rows);
}

std::string SaveFailureText(const std::string& path) {
    return "Could not save " + path + ": the file or its folder cannot be written";
}

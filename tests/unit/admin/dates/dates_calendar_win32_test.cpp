// The dates tab with the system's own calendar: the dates a fill writes read
// back as the days from tomorrow, and a range opens no picker.
#include <gtest/gtest.h>

#include "admin/dates/dates_table.h"
#include "shared/calendar_win32.h"

TEST(DatesTableWin32, FilledDatesReadBackAndARangeOpensNoPicker) {
    Win32Calendar calendar;
    EditGridModel table;
    SetupDatesTable(table);
    table.Grid.SetRows(5);
    FillDates(table, FillDatesFromTomorrow, calendar);
    for (long row = 1; row < 5; ++row) {
        auto date = ReadDate(table.Grid.TextMatrix(row, kDateCol), calendar);
        ASSERT_TRUE(date.has_value()) << table.Grid.TextMatrix(row, kDateCol);
        EXPECT_EQ(DaysBetween(calendar.Today(), *date), row);
        EXPECT_TRUE(DatesRowOpensPicker(table, row, calendar));
    }
    const std::string range = table.Grid.TextMatrix(1, kDateCol) + "-" + table.Grid.TextMatrix(4, kDateCol);
    for (const std::string& text : {range, std::string("1/1/2024-5/1/2024")}) {
        table.Grid.SetTextMatrix(1, kDateCol, text);
        EXPECT_FALSE(DatesRowOpensPicker(table, 1, calendar)) << text;
    }
}

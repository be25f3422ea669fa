// The dates tab's table over the document-dates file: filling, saving with
// the duplicate rule, the two fills, the picker's condition, reload, clear.
#include "admin/dates/dates_table.h"

#include <gtest/gtest.h>

#include "support/fake_calendar.h"
#include "support/temp_folder.h"

namespace {

EditGridModel TableOf(const std::vector<std::pair<std::string, std::string>>& rows, long totalRows = 0) {
    EditGridModel table;
    SetupDatesTable(table);
    table.Grid.SetRows(totalRows > 0 ? totalRows : static_cast<long>(rows.size()) + 2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table.Grid.SetTextMatrix(static_cast<long>(i) + 1, kDateCol, rows[i].first);
        table.Grid.SetTextMatrix(static_cast<long>(i) + 1, kFileCol, rows[i].second);
    }
    return table;
}

std::vector<std::string> Column(const EditGridModel& table, long col) {
    std::vector<std::string> out;
    for (long r = 1; r < table.Grid.Rows(); ++r) out.push_back(table.Grid.TextMatrix(r, col));
    return out;
}

}  // namespace

TEST(DatesTable, FillShowsEveryLineAndSaveWritesCompleteRowsBack) {
    const std::string garbage("\x01\xff=\xfe\x00z\x7f\r\n", 9);
    struct Case {
        std::string File;
        std::vector<std::string> Files;  // the "File" column, empty bottom row included
        std::string Saved;
    } cases[] = {
        {"Monday=C:\\Docs\\a.htm\r\n25/12/2024=C:\\Docs\\b.pdf\r\n",
         {"C:\\Docs\\a.htm", "C:\\Docs\\b.pdf", ""},
         "Monday=C:\\Docs\\a.htm\r\n25/12/2024=C:\\Docs\\b.pdf\r\n"},
        {"Monday=C:\\Docs\\a.htm,old remark\r\n", {"C:\\Docs\\a.htm", ""}, "Monday=C:\\Docs\\a.htm\r\n"},
        {"Welcome Message=Hi, there\r\n", {"Hi, there", ""}, "Welcome Message=Hi, there\r\n"},
        {"remark\r\n\r\nMonday=x\r\n", {"", "", "x", ""}, "Monday=x\r\n"},
        {garbage, {std::string("\xfe\x00z\x7f", 4), ""}, garbage},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write("document.ini", c.File);
        SettingsStore docDates;
        EditGridModel table = TableOf({});
        ReloadDates(table, docDates, folder.File("document.ini"));
        EXPECT_EQ(Column(table, kFileCol), c.Files) << c.File;
        EXPECT_TRUE(SaveDates(table, folder.File("document.ini"), docDates, nullptr));
        EXPECT_EQ(folder.Read("document.ini"), c.Saved) << c.File;
    }
}

TEST(DatesTable, DuplicateDatesGiveTheLaterFileToTheFirstLine) {
    EditGridModel table = TableOf({{"1/1/2025", "a"},
                                   {"2/2/2025", ""},
                                   {"", "b"},
                                   {"1/1/2025", "c"},
                                   {"monday", "d"},
                                   {" Monday ", "e"},
                                   {"   ", "f"}});
    EXPECT_EQ(SettingsFileText(DatesStoreFromTable(table)),
              "1/1/2025=c\r\n1/1/2025=1/1/2025\r\nmonday=e\r\n Monday = Monday \r\n");
}

TEST(DatesTable, FillFromTomorrowWritesEveryDataRowInTheShortDateFormat) {
    struct Case {
        const char* Pattern;
        std::vector<std::string> Dates;
    } cases[] = {
        {"M/d/yyyy", {"12/31/2026", "1/1/2027", "1/2/2027", "1/3/2027"}},
        {"dd/MM/yyyy", {"31/12/2026", "01/01/2027", "02/01/2027", "03/01/2027"}},
        // Read by the declaration program as ranges, not single dates.
        {"dd-MM-yyyy", {"31-12-2026", "01-01-2027", "02-01-2027", "03-01-2027"}},
    };
    for (const Case& c : cases) {
        EditGridModel table = TableOf({{"x", "a.htm"}}, 5);
        EXPECT_TRUE(FillDates(table, FillDatesFromTomorrow, FakeCalendar(CivilDate{2026, 12, 30}, c.Pattern)));
        EXPECT_EQ(Column(table, kDateCol), c.Dates) << c.Pattern;
        EXPECT_EQ(Column(table, kFileCol), (std::vector<std::string>{"a.htm", "", "", ""}));
    }
    EditGridModel empty = TableOf({});
    EXPECT_FALSE(FillDates(empty, FillDatesFromTomorrow, FakeCalendar())) << "no file in row 1: no edit";
}

TEST(DatesTable, FillOrderedWeekdaysStartsAtTheFirstDayAndGrowsToEightRows) {
    struct Case {
        int FirstDay;
        long RowsBefore, RowsAfter;
        const char* First;
        const char* Last;
    } cases[] = {{1, 5, 8, "Monday", "Sunday"}, {0, 12, 12, "Sunday", "Saturday"}};
    for (const Case& c : cases) {
        FakeCalendar calendar;
        calendar.SetFirstDayOfWeek(c.FirstDay);
        EditGridModel table = TableOf({{"x", "a.htm"}}, c.RowsBefore);
        EXPECT_TRUE(FillDates(table, FillOrderedWeekdays, calendar));
        ASSERT_EQ(table.Grid.Rows(), c.RowsAfter);
        EXPECT_EQ(table.Grid.TextMatrix(1, kDateCol), c.First);
        EXPECT_EQ(table.Grid.TextMatrix(7, kDateCol), c.Last);
        EXPECT_EQ(table.Grid.TextMatrix(8, kDateCol), "");
    }
}

TEST(DatesTable, PickerOpensOnlyForADateANumberOrAWeekdayName) {
    struct Case {
        const char* Date;
        bool Opens;
    } cases[] = {
        {"Monday", true}, {"mon", true},        {"12/25/2026", true},
        {"3", true},      {"2026-12-25", true}, {"1/1/2024-5/1/2024", false},
        {"", false},      {"Holiday", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DatesRowOpensPicker(TableOf({{c.Date, "a.htm"}}), 1, FakeCalendar()), c.Opens) << c.Date;
}

TEST(DatesTable, ReloadLoadsOverTheEntriesItHasAndClearThenSaveWritesAnEmptyFile) {
    TempFolder folder;
    folder.Write("document.ini", "Monday=a.htm\r\nTuesday=b.htm\r\n");
    SettingsStore docDates;
    EditGridModel table = TableOf({});
    ReloadDates(table, docDates, folder.File("document.ini"));
    folder.Write("document.ini", "Sunday=d.htm\r\n");
    ReloadDates(table, docDates, folder.File("document.ini"));
    EXPECT_EQ(Column(table, kDateCol), (std::vector<std::string>{"Sunday", "Tuesday", ""}));

    ClearAllDates(table);
    EXPECT_EQ(Column(table, kDateCol), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(table.Grid.TextMatrix(0, kDateCol) + "|" + table.Grid.TextMatrix(0, kFileCol), "Doc Date|File");
    EXPECT_TRUE(SaveDates(table, folder.File("document.ini"), docDates, nullptr));
    EXPECT_EQ(folder.Read("document.ini"), "");
}

TEST(DatesTable, AFailedSaveNamesTheFileAndLeavesItAsItWas) {
    TempFolder folder;
    folder.Write("document.ini", "Monday=a.htm\r\n");
    folder.SetReadOnly("document.ini", true);
    SettingsStore docDates;
    for (const std::string& path : {folder.File("document.ini"), folder.File("missing/document.ini")}) {
        std::string failure;
        EXPECT_FALSE(SaveDates(TableOf({{"Friday", "b.htm"}}), path, docDates, &failure));
        EXPECT_NE(failure.find(path), std::string::npos) << failure;
    }
    EXPECT_EQ(folder.Read("document.ini"), "Monday=a.htm\r\n");
}

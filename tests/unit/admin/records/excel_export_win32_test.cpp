// The spreadsheet application where none is installed (as under Wine), and
// the code-page conversion of the workbook writers.
#include "admin/records/excel_export_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "admin/records/ansi_utf8.h"

TEST(WorkbookExcel, NoApplicationAnswersNotInstalledAndCannotStart) {
    HKEY key = nullptr;
    const bool registered = RegOpenKeyExA(HKEY_CLASSES_ROOT, "Excel.Sheet\\CurVer", 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    if (registered) GTEST_SKIP() << "a spreadsheet application is registered here";
    EXPECT_FALSE(IsExcelInstalled());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ExportGridToExcel({{"anna_Declaration", "12/7/2026"}}, "C:\\Logs\\TsrAdmin"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(WorkbookExcel, AnsiCodePageToUtf8) {
    EXPECT_EQ("", Utf8FromAnsiCodePage(""));
    EXPECT_EQ("plain, \"quoted\"", Utf8FromAnsiCodePage("plain, \"quoted\""));
    if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
    for (const char* text : {"Ren\xE9", "\x80uro \x93q\x94", "M\xFCller"})
        EXPECT_EQ(Utf8FromWindows1252(text), Utf8FromAnsiCodePage(text)) << text;
}

// The workbook's and the CSV file's texts (the whole files are read back by
// an outside reader in tests/tools/workbook_test.sh).
#include "admin/records/workbook_writer.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(WorkbookText, Windows1252ToUtf8) {
    const struct {
        std::string Ansi, Utf8;
    } cases[] = {
        {"plain", "plain"},
        {"Ren\xE9", "Ren\xC3\xA9"},
        {"\x80", "\xE2\x82\xAC"},  // euro sign
        {"\x93q\x94", "\xE2\x80\x9Cq\xE2\x80\x9D"},
        {"\x81\x9D", "\xC2\x81\xC2\x9D"},  // unassigned: the control character of that number
        {"\xFF", "\xC3\xBF"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Utf8, Utf8FromWindows1252(c.Ansi)) << c.Ansi;
}

TEST(WorkbookText, XmlEscapes) {
    const struct {
        std::string Text, Xml;
    } cases[] = {
        {"a & b <c> \"d\" 'e'", "a &amp; b &lt;c&gt; &quot;d&quot; 'e'"},
        {"tab\tcr\rlf\n", "tab\tcr\rlf\n"},
        {std::string("nul\0bell\x07", 9), "nul_x0000_bell_x0007_"},
        {"_x0041_", "_x005F_x0041_"},  // a text that reads like the escape form keeps its meaning
        {"_x00zz_ _x1", "_x00zz_ _x1"},
        {"Ren\xC3\xA9 \xE2\x82\xAC", "Ren\xC3\xA9 \xE2\x82\xAC"},
        {"bad\xC3", "bad\xEF\xBF\xBD"},  // a broken sequence becomes the replacement character
    };
    for (const auto& c : cases) EXPECT_EQ(c.Xml, XmlText(c.Text)) << c.Text;
}

TEST(WorkbookText, SheetNamesAndColumns) {
    const struct {
        const char* Title;
        const char* Name;
    } cases[] = {
        {"C:\\Tessarin\\Logs\\TsrAdmin", "C__Tessarin_Logs_TsrAdmin"},
        {"a/b?c*d[e]f", "a_b_c_d_e_f"},
        {"D:\\Program Files\\Tessarin\\LogsTsrAdmin", "ram Files_Tessarin_LogsTsrAdmin"},
        {"   ", "Sheet1"},
        {"'quoted'", "_quoted_"},
        {"history", "History_"},
        {"Ren\xC3\xA9", "Ren\xC3\xA9"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Name, SheetName(c.Title)) << c.Title;
    // 31 characters, counted as characters and not as bytes.
    EXPECT_EQ(31u, SheetName(std::string(40, 'x')).size());
    std::string accents;
    for (int i = 0; i < 40; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(62u, SheetName(accents).size());

    const struct {
        long Index;
        const char* Name;
    } columns[] = {{0, "A"}, {1, "B"}, {25, "Z"}, {26, "AA"}, {27, "AB"}, {701, "ZZ"}, {702, "AAA"}};
    for (const auto& c : columns) EXPECT_EQ(c.Name, ColumnName(c.Index)) << c.Index;
}

TEST(WorkbookText, CsvQuotingAndByteOrderMark) {
    LogTable table;
    table.Header = {"Log File", "Last Update"};
    table.Rows = {{"plain", "1/2/2026"}, {"M\xFCller, Hans", "say \"hi\""}, {"line\r\nbreak", ""}, {" o'brien ", "x"}};
    EXPECT_EQ(
        "\xEF\xBB\xBF"
        "Log File,Last Update\r\n"
        "plain,1/2/2026\r\n"
        "\"M\xC3\xBCller, Hans\",\"say \"\"hi\"\"\"\r\n"
        "\"line\r\nbreak\",\r\n"
        " o'brien ,x\r\n",
        CsvBytes(table, &Utf8FromWindows1252));
}

TEST(WorkbookText, ExportWritesBothFilesOrSaysWhyNot) {
    TempFolder folder;
    LogTable table;
    table.Header = {"Log File", "Last Update"};
    table.Rows = {{"anna_Declaration", "d"}};
    const std::string out = folder.Path() + "/";
    const OutputStatus status = ExportWorkbook(table, "C:\\Logs\\TsrAdmin", out, &Utf8FromWindows1252);
    EXPECT_TRUE(status.Written);
    EXPECT_EQ("Logs have been exported to " + out + "TessarinLog.xlsx and " + out + "TessarinLog.csv", status.Status);
    EXPECT_EQ(WorkbookBytes(table, "C:\\Logs\\TsrAdmin", &Utf8FromWindows1252), folder.Read("TessarinLog.xlsx"));
    EXPECT_EQ(CsvBytes(table, &Utf8FromWindows1252), folder.Read("TessarinLog.csv"));

    const OutputStatus failed = ExportWorkbook(table, "t", folder.File("none") + "/", &Utf8FromWindows1252);
    EXPECT_FALSE(failed.Written);
    EXPECT_EQ(0u,
              failed.Status.find("The workbook cannot be written to " + folder.File("none") + "/TessarinLog.xlsx: "));
}

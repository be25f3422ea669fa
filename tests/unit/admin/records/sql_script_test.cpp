// "TessarinLog.sql": the template rule, the quote escape and the file.
#include "admin/records/sql_script.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(SqlScript, LineForEachTemplateForm) {
    const std::vector<std::string> row{"a_Declaration", "1/02/2024 9:15:00 AM"};
    const struct {
        const char* Template;
        const char* Line;
    } cases[] = {
        {"INSERT INTO T (A, B) VALUES ()", "INSERT INTO T (A, B) VALUES ('a_Declaration','1/02/2024 9:15:00 AM')"},
        {"", "'a_Declaration','1/02/2024 9:15:00 AM'"},
        {"X)", "'a_Declaration','1/02/2024 9:15:00 AM')"},  // no "(": nothing before
        {"INSERT INTO T VALUES (",
         "INSERT INTO T VALUES ('a_Declaration','1/02/2024 9:15:00 AM'INSERT INTO T VALUES ("},
        {"CALL P( ) ;", "CALL P('a_Declaration','1/02/2024 9:15:00 AM') ;"},  // last "(" and last ")"
        {"F(x) VALUES (", "F(x) VALUES ('a_Declaration','1/02/2024 9:15:00 AM') VALUES ("},
        {" plain ", "'a_Declaration','1/02/2024 9:15:00 AM' plain "},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Line, SqlLine(c.Template, row)) << c.Template;
}

TEST(SqlScript, QuotesInsideValuesAreDoubled) {
    const struct {
        std::vector<std::string> Texts;
        const char* Values;
    } cases[] = {
        {{"o'brien_Declaration", "d"}, "'o''brien_Declaration','d'"},
        {{"''", ""}, "'''''',''"},
        {{"x', 'y'); DROP TABLE T; --"}, "'x'', ''y''); DROP TABLE T; --'"},
        {{}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Values, SqlValues(c.Texts)) << c.Values;
}

TEST(SqlScript, FileKeepsTheCodePageBytes) {
    TempFolder folder;
    const std::vector<std::vector<std::string>> rows{{"Ren\xE9_Declaration", "d1"}, {"o'brien_Declaration", "d2"}};
    const OutputStatus status = GenerateSqlFile("INSERT INTO T VALUES ()", rows, folder.Path() + "/");
    EXPECT_TRUE(status.Written);
    EXPECT_EQ("Sql have been generated in " + folder.Path() + "/TessarinLog.sql", status.Status);
    EXPECT_EQ(
        "INSERT INTO T VALUES ('Ren\xE9_Declaration','d1')\r\nINSERT INTO T VALUES ('o''brien_Declaration','d2')\r\n",
        folder.Read("TessarinLog.sql"));
    EXPECT_TRUE(GenerateSqlFile("T ()", {}, folder.Path() + "/").Written);
    EXPECT_EQ("", folder.Read("TessarinLog.sql"));

    const OutputStatus failed = GenerateSqlFile("T ()", rows, folder.File("none") + "/");
    EXPECT_FALSE(failed.Written);
    EXPECT_EQ(0u,
              failed.Status.find("The SQL script cannot be written to " + folder.File("none") + "/TessarinLog.sql: "));
}

// The pending file's line form of an answer row, and the row's own fields.
#include <gtest/gtest.h>

#include <string>

#include "runner/answer/answer_row.h"

namespace {

AnswerRow Row(const std::string& user) {
    AnswerRow row;
    row.Id = MakeAnswerRowId("machine|" + user);
    row.User = user;
    row.Machine = "PC1";
    row.Answer = "I Accept";
    row.LocalTime = "12/7/2026 9:15:00 AM";
    row.UtcTime = "2026-12-07 08:15:00";
    row.DocumentPath = "C:\\Tsr\\Documents\\index.html";
    row.Version = "4.2.0";
    return row;
}

bool Same(const AnswerRow& a, const AnswerRow& b) {
    return a.Id == b.Id && a.User == b.User && a.Machine == b.Machine && a.Ip == b.Ip && a.Mac == b.Mac &&
           a.Answer == b.Answer && a.LocalTime == b.LocalTime && a.UtcTime == b.UtcTime &&
           a.DocumentPath == b.DocumentPath && a.DocumentSha256 == b.DocumentSha256 && a.Version == b.Version;
}

TEST(AnswerRowTest, EveryCharacterSurvivesTheLineForm) {
    for (const std::string& user : {std::string("anna"), std::string("o'neil; \"x\""), std::string("d\xf6rte"),
                                    std::string("tab\there\\t"), std::string("cr\rlf\n\\n\\"), std::string("a\\")}) {
        AnswerRow row = Row(user);
        row.DocumentPath = "C:\\Doc's;\t" + user + ".html";
        const std::string line = EncodePendingRow(row);
        EXPECT_EQ(line.find_first_of("\r\n"), line.size() - 2) << user;  // one line, CR LF ended
        AnswerRow back;
        ASSERT_TRUE(DecodePendingRow(line, &back)) << user;
        EXPECT_TRUE(Same(row, back)) << user;
    }
}

TEST(AnswerRowTest, DamagedLinesAreDropped) {
    const std::string good = EncodePendingRow(Row("anna"));
    const std::string other = EncodePendingRow(Row("bert"));
    std::string changed = good;
    changed[good.find("anna")] = 'A';
    struct Case {
        const char* what;
        std::string text;
        std::size_t rows;
    } cases[] = {
        {"whole", good + other, 2},
        {"cut mid-line at the end", good + other.substr(0, other.size() / 2), 1},
        {"cut before its line end", good + other.substr(0, other.size() - 2), 1},
        {"cut line in the middle", good.substr(0, 30) + "\r\n" + other, 1},
        {"changed by hand", changed + other, 1},
        {"garbage", "\x01\x02garbage\r\n\xff\xfe\r\n" + other, 1},
        {"a line of another form", "A2\tx\r\n" + good, 1},
        {"empty", "", 0},
        {"LF line ends", good.substr(0, good.size() - 2) + "\n" + other, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(c.rows, DecodePendingRows(c.text).size()) << c.what;
}

TEST(AnswerRowTest, UtcTimeIsCheckedPartByPart) {
    int parts[6];
    ASSERT_TRUE(ParseUtcTime("2026-12-07 08:15:09", parts));
    EXPECT_EQ(2026, parts[0]);
    EXPECT_EQ(9, parts[5]);
    for (const char* bad : {"2026-13-07 08:15:09", "2026-12-00 08:15:09", "2026-12-07 24:00:00", "2026-12-07T08:15:09",
                            "2026-12-7 08:15:09", "", "2026-12-07 08:15:09Z", "20x6-12-07 08:15:09"})
        EXPECT_FALSE(ParseUtcTime(bad, parts)) << bad;
}

TEST(AnswerRowTest, DocumentPathFromLocation) {
    const struct {
        const char* location;
        const char* path;
    } cases[] = {
        {"C:\\Tsr\\Documents\\index.html", "C:\\Tsr\\Documents\\index.html"},
        {"file:///C:/Tsr/My%20Docs/index.html", "C:\\Tsr\\My Docs\\index.html"},
        {"file://server/share/a.html", "\\\\server\\share\\a.html"},
        {"file:///C:/100%/x.html", "C:\\100%\\x.html"},
        {"http://intranet/rules.html", "http://intranet/rules.html"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.path, DocumentPathFromLocation(c.location)) << c.location;
}

TEST(AnswerRowTest, IdsAre32HexDigitsAndDifferByInput) {
    const std::string a = MakeAnswerRowId("PC1|anna|1"), b = MakeAnswerRowId("PC1|anna|2");
    EXPECT_EQ(32u, a.size());
    EXPECT_EQ(std::string::npos, a.find_first_not_of("0123456789abcdef"));
    EXPECT_NE(a, b);
}

}  // namespace

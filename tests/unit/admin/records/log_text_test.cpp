// A record's text for the tip and the bundle, and the tip's decisions.
#include "admin/records/log_text.h"
#include "shared/file_routines.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(LogText, EveryLineEndsInCrLf) {
    const struct {
        std::string Bytes, Text;
    } cases[] = {
        {"", ""},
        {"one", "one\r\n"},
        {"one\r\n", "one\r\n"},
        {"one\r\ntwo", "one\r\ntwo\r\n"},
        {"one\rtwo\r", "one\r\ntwo\r\n"},
        {"one\ntwo", "one\ntwo\r\n"},  // a lone LF stays inside its line
        {"\r\n\r\n", "\r\n\r\n"},
        {"a\r\r\nb", "a\r\n\r\nb\r\n"},
        {std::string("bin\0\xFF\x1A", 6), std::string("bin\0\xFF\x1A\r\n", 8)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Text, NormaliseLineEnds(c.Bytes)) << c.Bytes;
        // In pieces of one byte the result is the same (the bundle streams).
        std::string pieces;
        LineEndNormaliser normaliser;
        for (const char b : c.Bytes) normaliser.Add(&b, 1, &pieces);
        normaliser.Finish(&pieces);
        EXPECT_EQ(c.Text, pieces) << c.Bytes;
    }
}

TEST(LogText, FilesAndTipTexts) {
    TempFolder folder;
    folder.Write("anna_Declaration", "12/7/2026 9:05:00 AM, anna Accept\r\nThe policy");
    folder.Write("big_Declaration", std::string(5 * 1024 * 1024, 'x'));
    EXPECT_EQ("12/7/2026 9:05:00 AM, anna Accept\r\nThe policy\r\n", ReadTextFile(folder.File("anna_Declaration")));
    EXPECT_EQ("", ReadTextFile(folder.File("none")));
    EXPECT_EQ(5u * 1024 * 1024 + 2, ReadTextFile(folder.File("big_Declaration")).size());

    EXPECT_EQ(ReadTextFile(folder.File("anna_Declaration")), LogTipText(folder.Path(), "anna_Declaration"));
    EXPECT_EQ(kLogTipReadLimit + 2, LogTipText(folder.Path(), "big_Declaration").size());
    // A cell edited into a path or a device reads nothing.
    for (const char* cell : {"", "../anna_Declaration", "sub/anna_Declaration", "COM1", "missing_Declaration"})
        EXPECT_EQ("", LogTipText(folder.Path(), cell)) << cell;
}

TEST(LogTip, FollowsTheMouseOrTheLeftButton) {
    const struct {
        bool Auto, Left;
        long Row, LastBefore;
        LogTipAction Action;
        long LastAfter;
    } cases[] = {
        {true, false, 3, 0, LogTipAction::Show, 3}, {true, false, 3, 3, LogTipAction::Keep, 3},
        {true, true, 4, 3, LogTipAction::Show, 4},  {false, false, 4, 3, LogTipAction::Destroy, 3},
        {false, true, 4, 3, LogTipAction::Show, 4}, {false, true, 4, 4, LogTipAction::Keep, 4},
    };
    for (const auto& c : cases) {
        long last = c.LastBefore;
        EXPECT_EQ(c.Action, DecideLogTip(c.Auto, c.Left, c.Row, &last)) << c.Auto << c.Left << c.Row;
        EXPECT_EQ(c.LastAfter, last);
    }
}

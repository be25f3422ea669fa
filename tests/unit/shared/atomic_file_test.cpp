// A file written in pieces replaces its target only when whole.
#include "shared/atomic_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(AtomicFile, ReplacesOnlyWhenCommitted) {
    TempFolder folder;
    folder.Write("out.log", "old");
    const std::string big(700 * 1024, 'b');  // larger than the buffer
    {
        AtomicFile dropped;
        ASSERT_TRUE(dropped.Open(folder.File("out.log")));
        dropped.Write("half");
    }
    EXPECT_EQ("old", folder.Read("out.log"));
    AtomicFile file;
    ASSERT_TRUE(file.Open(folder.File("out.log")));
    EXPECT_TRUE(file.Write("head ") && file.Write(big) && file.Write("tail"));
    EXPECT_EQ("old", folder.Read("out.log"));
    EXPECT_TRUE(file.Commit());
    EXPECT_EQ("head " + big + "tail", folder.Read("out.log"));
    EXPECT_EQ(std::vector<std::string>{"out.log"}, folder.FileNames());  // no temporary file left
}

TEST(AtomicFile, FailuresKeepTheOldFileAndSayWhy) {
    TempFolder folder;
    folder.Write("out.log", "old");
    folder.SetReadOnly("out.log", true);
    for (const std::string& path : {folder.File("out.log"), folder.File("none") + "/out.log", folder.Path()}) {
        AtomicFile file;
        EXPECT_FALSE(file.Open(path)) << path;
        EXPECT_FALSE(file.Write("x") || file.Commit()) << path;
        EXPECT_NE("", file.Error()) << path;
    }
    folder.SetReadOnly("out.log", false);
    EXPECT_EQ("old", folder.Read("out.log"));
    EXPECT_EQ(std::vector<std::string>{"out.log"}, folder.FileNames());
}

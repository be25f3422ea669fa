// "Bundle.Log": the records' text, and a failed write that loses nothing.
#include "admin/records/bundle.h"

#include <gtest/gtest.h>

#include "admin/records/log_files.h"
#include "shared/file_operations.h"
#include "support/temp_folder.h"

namespace {

std::string Sep(const TempFolder& folder) { return folder.Path() + "/"; }

}  // namespace

TEST(Bundle, EachRecordFollowedByOneEmptyLine) {
    TempFolder folder;
    folder.Write("anna_Declaration", "12/7/2026, anna Accept\r\nline two\r\n");
    folder.Write("ben_Declaration", "ben\rno end");
    folder.Write("x_declaration", "not a record");
    folder.Write("Bundle.Log", "old bundle");
    const OutputStatus status = BundleLogs(folder.Path(), Sep(folder));
    EXPECT_TRUE(status.Written);
    EXPECT_EQ("Logs have been bundled in " + Sep(folder) + "Bundle.Log", status.Status);
    std::string expected;
    for (const std::string& name : FileNamesIn(folder.Path())) {
        if (name == "anna_Declaration") expected += "12/7/2026, anna Accept\r\nline two\r\n\r\n";
        if (name == "ben_Declaration") expected += "ben\r\nno end\r\n\r\n";
    }
    EXPECT_EQ(expected, folder.Read("Bundle.Log"));
    EXPECT_EQ(4u, folder.FileNames().size());  // no temporary file left
}

TEST(Bundle, LargeAndBinaryRecordsWhole) {
    TempFolder folder;
    const std::string big(5 * 1024 * 1024 + 7, 'y');
    const std::string binary("\0\x01\xFF\x1A\xE9", 5);
    folder.Write("big_Declaration", big);
    folder.Write("bin_Declaration", binary);
    folder.Write("empty_Declaration", "");
    ASSERT_TRUE(BundleLogs(folder.Path(), Sep(folder)).Written);
    EXPECT_EQ(big.size() + 4 + binary.size() + 4 + 2, folder.Read("Bundle.Log").size());
    EXPECT_NE(std::string::npos, folder.Read("Bundle.Log").find(binary + "\r\n\r\n"));
}

// A folder that cannot be listed or written: the status says which and why,
// and the bundle already there stays as it was.
TEST(Bundle, FailuresAreSaidAndLoseNothing) {
    TempFolder folder;
    folder.Write("anna_Declaration", "a");
    folder.Write("Bundle.Log", "old bundle");

    const OutputStatus noLogs = BundleLogs(folder.File("none"), Sep(folder));
    EXPECT_FALSE(noLogs.Written);
    EXPECT_EQ("The log folder " + folder.File("none") + " does not exist", noLogs.Status);

    const OutputStatus noOut = BundleLogs(folder.Path(), folder.File("none") + "/");
    EXPECT_FALSE(noOut.Written);
    EXPECT_EQ(0u, noOut.Status.find("The bundle cannot be written to " + folder.File("none") + "/Bundle.Log: "));
    EXPECT_GT(noOut.Status.size(), noOut.Status.find(": ") + 2);  // with the system's reason

    folder.SetReadOnly("Bundle.Log", true);
    EXPECT_FALSE(BundleLogs(folder.Path(), Sep(folder)).Written);
    folder.SetReadOnly("Bundle.Log", false);
    EXPECT_EQ("old bundle", folder.Read("Bundle.Log"));
    EXPECT_EQ(2u, folder.FileNames().size());
}

// Records kept while the record folder refused them, delivered at a later
// start: never lost, never put over a newer answer.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "runner/answer/pending_records.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "support/temp_folder.h"

TEST(PendingRecordsTest, KeptThenDeliveredUnlessANewerRecordIsThere) {
    TempFolder local, records;
    const std::string pending = PendingRecordFolder(local.Path());
    EXPECT_EQ(PendingRecordFolder(""), "");
    ASSERT_TRUE(KeepPendingRecord(pending, "anna_Declaration", "old answer of anna\r\n"));
    ASSERT_TRUE(KeepPendingRecord(pending, "bob_Declaration", "answer of bob\r\n"));
    EXPECT_FALSE(KeepPendingRecord(pending, "..", "x"));
    local.Write("Tessarin/Pending/notes.txt", "not a record");

    // The record folder is still missing: everything waits.
    const std::string missing = JoinPath(records.Path(), "Gone") + "/";
    EXPECT_EQ(DeliverPendingRecords(pending, missing), 0);
    EXPECT_TRUE(FileExists(JoinPath(pending, "anna_Declaration")));

    // Anna answered again since, and that record reached the folder.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    records.Write("anna_Declaration", "new answer of anna\r\n");
    EXPECT_EQ(DeliverPendingRecords(pending, records.Path() + "/"), 1);
    EXPECT_EQ(records.Read("anna_Declaration"), "new answer of anna\r\n");
    EXPECT_EQ(records.Read("bob_Declaration"), "answer of bob\r\n");
    EXPECT_EQ(FileNamesIn(pending), std::vector<std::string>{"notes.txt"});
}

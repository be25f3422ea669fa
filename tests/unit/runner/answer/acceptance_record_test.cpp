// The acceptance record's text and file location.
#include <gtest/gtest.h>

#include <string>

#include "runner/answer/acceptance_record.h"

namespace {
const std::string kIpField = std::string("10.1.2.3") + std::string(8, '\0');
}

TEST(AcceptanceRecordTest, MachineSegmentForms) {
    EXPECT_EQ(MachineSegment("IP", kIpField, "00-1B-2C-3D-4E-5F"), ", IP:10.1.2.3, ");
    EXPECT_EQ(MachineSegment("MAC", kIpField, "00-1B-2C-3D-4E-5F"), ",MAC:00-1B-2C-3D-4E-5F, ");
    EXPECT_EQ(MachineSegment("Both", kIpField, "00-1B-2C-3D-4E-5F"), ",IP:10.1.2.3  MAC:00-1B-2C-3D-4E-5F, ");
    EXPECT_EQ(MachineSegment("ip", kIpField, "00-1B"), ", ");  // compared exactly
    EXPECT_EQ(MachineSegment("0", kIpField, "00-1B"), ", ");
    // No adapter: empty addresses still give a well-formed segment.
    EXPECT_EQ(MachineSegment("Both", "", ""), ",IP:  MAC:, ");
}

TEST(AcceptanceRecordTest, RecordTextLayout) {
    RecordParts parts;
    parts.DateTime = "12/7/2026 9:15:00 AM";
    parts.Machine = ", ";
    parts.Reader = "I  have read this document";
    parts.Response = "Accept";
    parts.Details = "Line one\r\nLine two";
    EXPECT_EQ(BuildRecordText(parts),
              "12/7/2026 9:15:00 AM, I  have read this document Accept\r\nLine one\r\nLine two");
}

TEST(AcceptanceRecordTest, FilePathJoinsFolderTextAsConfigured) {
    EXPECT_EQ(RecordFilePath("C:\\Logs\\", "anna"), "C:\\Logs\\anna_Declaration");
    EXPECT_EQ(RecordFilePath("C:\\Logs", "anna"), "C:\\Logsanna_Declaration");
}

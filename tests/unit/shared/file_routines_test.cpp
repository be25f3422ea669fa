#include "shared/file_operations.h"
#include "shared/file_routines.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(FileRoutines, FileExistsFindsFilesOnly) {
    TempFolder folder;
    folder.Write("a.ini", "x");
    EXPECT_TRUE(FileExists(folder.File("a.ini")));
    EXPECT_FALSE(FileExists(folder.File("b.ini")));
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(folder.File("*.ini")));  // a pattern names no one file
    EXPECT_FALSE(FileExists(folder.File("?.ini")));
    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_FALSE(FolderExists(folder.File("a.ini")));
}

// A name is used for a file only when it is one plain file name; device
// names open the device (a serial port waits for ever on a read).
TEST(FileRoutines, DeviceNamesAndPlainFileNames) {
    const struct {
        const char* Name;
        bool Device, Plain;
    } cases[] = {
        {"anna", false, true},  {"o'brien", false, true},  {"Anna Maria", false, true}, {"con", true, false},
        {"COM1", true, false},  {"lpt9.txt", true, false}, {"Aux.ini", true, false},    {"nul .log", true, false},
        {"com0", false, true},  {"com10", false, true},    {"console", false, true},    {"..", false, false},
        {".", false, false},    {"", false, false},        {"a/b", false, false},       {"..\\..\\x", false, false},
        {"x.", false, false},   {"x ", false, false},      {"a:b", false, false},       {"a*", false, false},
        {"a\tb", false, false}, {"a\"b", false, false},    {"a|b", false, false},       {"a<b>", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Device, IsDeviceName(c.Name)) << c.Name;
        EXPECT_EQ(c.Plain, IsPlainFileName(c.Name)) << c.Name;
    }
    EXPECT_TRUE(IsDeviceName("C:\\Tsr\\Documents\\COM1"));
    EXPECT_TRUE(IsDeviceName("\\\\.\\PhysicalDrive0"));
    // Even where such a name is an ordinary file, it is never read or written.
    TempFolder folder;
    folder.Write("aux.html", "x");
    EXPECT_FALSE(FileExists(folder.File("aux.html")));
    std::string content;
    EXPECT_FALSE(ReadWholeFile(folder.File("aux.html"), &content));
    EXPECT_FALSE(WriteTextFile("y", folder.File("com1")));
}

TEST(FileRoutines, ReadWholeFileAndLimitedRead) {
    TempFolder folder;
    std::string bytes("one\0two\r\n", 9);
    folder.Write("f.bin", bytes);
    std::string content = "stale";
    EXPECT_TRUE(ReadWholeFile(folder.File("f.bin"), &content));
    EXPECT_EQ(bytes, content);
    EXPECT_TRUE(ReadFileStart(folder.File("f.bin"), 3, &content));
    EXPECT_EQ("one", content);
    EXPECT_FALSE(ReadWholeFile(folder.File("none"), &content));
    EXPECT_EQ("", content);
    folder.Write("empty", "");
    EXPECT_TRUE(ReadWholeFile(folder.File("empty"), &content));
    EXPECT_EQ("", content);
}

TEST(FileRoutines, WriteTextFileAddsCrLfAndReportsFailure) {
    TempFolder folder;
    EXPECT_TRUE(WriteTextFile("<html></html>", folder.File("doc.html")));
    EXPECT_EQ("<html></html>\r\n", folder.Read("doc.html"));
    EXPECT_TRUE(WriteTextFile("new", folder.File("doc.html")));
    EXPECT_EQ("new\r\n", folder.Read("doc.html"));
    EXPECT_FALSE(WriteTextFile("x", folder.File("no/such/doc.html")));
    folder.SetReadOnly("doc.html", true);
    EXPECT_FALSE(WriteTextFile("x", folder.File("doc.html")));
    EXPECT_NE(LastFileError().find("denied"), std::string::npos) << LastFileError();
    EXPECT_EQ("new\r\n", folder.Read("doc.html"));
    folder.SetReadOnly("doc.html", false);
}

TEST(FileRoutines, ReadTextFileEndsEveryLineWithCrLf) {
    TempFolder folder;
    for (auto [bytes, text] : {std::pair<const char*, const char*>{"a\r\nb", "a\r\nb\r\n"},
                               {"a\nb\n", "a\r\nb\r\n"},
                               {"a\rb\r\n\r\n", "a\r\nb\r\n\r\n"},
                               {"", ""}}) {
        folder.Write("t.txt", bytes);
        EXPECT_EQ(ReadTextFile(folder.File("t.txt")), text) << bytes;
    }
    EXPECT_EQ(ReadTextFile(folder.File("missing.txt")), "");
}

TEST(FileRoutines, PathPartsSplitAtEitherSeparator) {
    EXPECT_EQ("C:\\App\\Profiles", FolderOf("C:\\App\\Profiles\\u.ini"));
    EXPECT_EQ("u.ini", FileNameOf("C:\\App\\Profiles\\u.ini"));
    EXPECT_EQ("/tmp/x", FolderOf("/tmp/x/y.ini"));
    EXPECT_EQ("", FolderOf("plain.ini"));
    EXPECT_EQ("plain.ini", FileNameOf("plain.ini"));
    EXPECT_EQ("name", JoinPath("", "name"));
    EXPECT_EQ("C:\\App\\name", JoinPath("C:\\App\\", "name"));
    EXPECT_EQ(FolderOf(JoinPath("folder", "name")), "folder");
}

TEST(FileOperations, CopyRespectsOverwriteFlagAndReportsFailure) {
    TempFolder folder;
    folder.Write("src.txt", "new");
    folder.Write("dst.txt", "old");
    EXPECT_FALSE(CopyFileTo(folder.File("src.txt"), folder.File("dst.txt"), false));
    EXPECT_EQ("old", folder.Read("dst.txt"));
    EXPECT_TRUE(CopyFileTo(folder.File("src.txt"), folder.File("dst.txt"), true));
    EXPECT_EQ("new", folder.Read("dst.txt"));
    EXPECT_TRUE(CopyFileTo(folder.File("src.txt"), folder.File("fresh.txt"), false));
    EXPECT_EQ("new", folder.Read("fresh.txt"));
    EXPECT_FALSE(CopyFileTo(folder.File("none.txt"), folder.File("x.txt"), true));
    EXPECT_FALSE(FileExists(folder.File("x.txt")));
    EXPECT_FALSE(CopyFileTo(folder.File("src.txt"), folder.File("no/dir/x.txt"), true));
}

TEST(FileOperations, DeleteIgnoresMissingFilesAndFolders) {
    TempFolder folder;
    folder.Write("a.txt", "x");
    DeleteFileAt(folder.File("a.txt"));
    EXPECT_FALSE(FileExists(folder.File("a.txt")));
    DeleteFileAt(folder.File("a.txt"));
    DeleteFileAt(folder.Path());
    EXPECT_TRUE(FolderExists(folder.Path()));
}

TEST(FileOperations, ModifiedDateOnlyForKindFourAndExistingFiles) {
    TempFolder folder;
    folder.Write("a.txt", "x");
    std::string text = FileModifiedDate(folder.File("a.txt"), 4);
    EXPECT_NE(std::string::npos, text.find_first_of("0123456789"));
    EXPECT_EQ("", FileModifiedDate(folder.File("a.txt"), 1));
    EXPECT_EQ("", FileModifiedDate(folder.File("none.txt"), 4));
    // What is no one file has no date: a folder, a pattern, a device name.
    folder.MakeFolder("sub");
    folder.Write("aux.txt", "x");
    for (const char* name : {"sub", "*.txt", "a.tx?", "aux.txt"}) {
        EXPECT_EQ("", FileModifiedDate(folder.File(name), 4)) << name;
        long long when = 0;
        EXPECT_FALSE(FileModifiedTime(folder.File(name), &when)) << name;
    }
}

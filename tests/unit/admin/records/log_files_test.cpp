// The log tab's folders, the record-file rule and the settings it reads.
#include "admin/records/log_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shared/settings_store.h"
#include "support/memory_registry.h"
#include "support/temp_folder.h"

namespace {

SettingsStore With(const std::string& key, const std::string& value) {
    SettingsStore store(StoreVariant::Console);
    LoadSettingsText("Other=1\r\n" + key + "=" + value + "\r\n", store);
    return store;
}

}  // namespace

TEST(LogFolders, LogFolderFromTsrPath) {
    const struct {
        const char* Value;  // null: no "TsrPath" entry
        const char* Folder;
    } cases[] = {
        {nullptr, "C:\\App"},
        {"", "C:\\App"},
        {"   ", "C:\\App"},
        {"  , a note", "C:\\App"},
        {"D:\\Logs", "D:\\Logs"},
        {"D:\\Logs\\", "D:\\Logs\\"},
        {"D:\\Logs,where", "D:\\Logs"},
        {" D:\\Logs ", " D:\\Logs "},  // the item is used untrimmed
    };
    for (const auto& c : cases) {
        const SettingsStore store = c.Value ? With("TsrPath", c.Value) : SettingsStore(StoreVariant::Console);
        EXPECT_EQ(c.Folder, GetLogFolder(store, "C:\\App")) << (c.Value ? c.Value : "(missing)");
    }
}

TEST(LogFolders, OutputFolderEndsInOneSeparator) {
    const struct {
        const char* BundlePath;  // null: no entry
        const char* LogFolder;
        const char* Bundle;
    } cases[] = {
        {"C:\\Out", "D:\\Logs", "C:\\Out\\Bundle.Log"},      {"C:\\Out\\", "D:\\Logs", "C:\\Out\\Bundle.Log"},
        {"C:\\Out,note", "D:\\Logs", "C:\\Out\\Bundle.Log"}, {nullptr, "D:\\Logs", "D:\\Logs\\Bundle.Log"},
        {"  ", "D:\\Logs\\", "D:\\Logs\\Bundle.Log"},        {"/srv/out", "D:\\Logs", "/srv/out/Bundle.Log"},
        {"/srv/out/", "D:\\Logs", "/srv/out/Bundle.Log"},    {"C:/Out", "D:\\Logs", "C:/Out/Bundle.Log"},
    };
    for (const auto& c : cases) {
        const SettingsStore store =
            c.BundlePath ? With("BundlePath", c.BundlePath) : SettingsStore(StoreVariant::Console);
        EXPECT_EQ(c.Bundle, GetOutputFolder(store, c.LogFolder) + kBundleFileName)
            << (c.BundlePath ? c.BundlePath : "(missing)");
    }
}

TEST(LogFolders, RecordFilesAreNamedDeclarationCaseSensitively) {
    TempFolder folder;
    for (const char* name : {"anna_Declaration", "ben_Declaration", "Bundle.Log", "x_declaration",
                             "o'brien_Declaration.old", "_DECLARATION"})
        folder.Write(name, "x");
    folder.MakeFolder("sub_Declaration");  // folders are not records
    std::vector<std::string> names = LogFileNames(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"anna_Declaration", "ben_Declaration", "o'brien_Declaration.old"}), names);
    EXPECT_TRUE(LogFileNames(folder.File("missing")).empty());
    EXPECT_TRUE(LogFileNames(folder.File("Bundle.Log")).empty());
}

TEST(LogFolders, ProblemsOfTheLogFolderAreSaid) {
    TempFolder folder;
    folder.Write("Tessarin.ini", "x");
    EXPECT_EQ("", LogFolderProblem(folder.Path()));
    EXPECT_EQ("The log folder " + folder.File("none") + " does not exist", LogFolderProblem(folder.File("none")));
    EXPECT_EQ("The log folder " + folder.File("Tessarin.ini") + " is a file, not a folder",
              LogFolderProblem(folder.File("Tessarin.ini")));
}

TEST(LogSettings, ActionCaptionAutoShowAndTemplate) {
    const struct {
        const char* Option;
        const char* Caption;
    } captions[] = {{"Sql", "&Sql"},       {"Excel", "&Export"}, {"Bundle", "&Bundle"}, {"sql", "&Bundle"},
                    {"Excel ", "&Bundle"}, {"", "&Bundle"},      {"Sql,note", "&Sql"}};
    for (const auto& c : captions) EXPECT_EQ(c.Caption, LogActionCaption(With("Bundle Option", c.Option))) << c.Option;
    EXPECT_EQ("&Bundle", LogActionCaption(SettingsStore(StoreVariant::Console)));

    const struct {
        const char* Value;
        bool Auto;
    } autos[] = {{" NO ", false}, {"no,remark", false}, {"nope", true}};
    for (const auto& c : autos) EXPECT_EQ(c.Auto, AutoShowLog(With("Auto Show Log", c.Value))) << c.Value;
    EXPECT_TRUE(AutoShowLog(SettingsStore(StoreVariant::Console)));

    EXPECT_EQ(" INSERT INTO T (A, B) VALUES () ", LogSqlTemplate(With("Log Sql", " INSERT INTO T (A, B) VALUES () ")));
}

TEST(LogSettings, SpreadsheetApplicationByItsClassKey) {
    MemoryRegistry registry;
    EXPECT_FALSE(IsExcelRegistered(registry));
    RegSetString(registry, kHkeyClassesRoot, "Excel.Sheet\\CurVer", "*", "");
    EXPECT_FALSE(IsExcelRegistered(registry));
    RegSetString(registry, kHkeyClassesRoot, "Excel.Sheet\\CurVer", "*", "Excel.Sheet.12");
    EXPECT_TRUE(IsExcelRegistered(registry));
}

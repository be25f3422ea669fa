#include "shared/settings_store.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

SettingsStore Loaded(const std::string& text, StoreVariant variant = StoreVariant::Declaration) {
    SettingsStore store(variant);
    LoadSettingsText(text, store);
    return store;
}

// Text as Notepad saves it as "Unicode": a byte-order mark, then UTF-16.
std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

}  // namespace

// ---- File syntax -----------------------------------------------------------

TEST(SettingsSyntax, LinesEndAtCrLfOrLoneCrButNotAtLoneLf) {
    auto lines = SplitSettingLines("a=1\r\nb=2\rc=x\ny\r\n\r\nlast");
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ("a=1", lines[0]);
    EXPECT_EQ("b=2", lines[1]);
    EXPECT_EQ("c=x\ny", lines[2]);
    EXPECT_EQ("", lines[3]);
    EXPECT_EQ("last", lines[4]);
    EXPECT_TRUE(SplitSettingLines("").empty());
    EXPECT_EQ(1u, SplitSettingLines("only\r\n").size());
}

TEST(SettingsSyntax, EveryLineBecomesOneEntryInFileOrder) {
    SettingsStore store = Loaded(
        "Main:Caption=Hello\r\n\r\nremark line\r\nx=a=b\r\n"
        " Logon Start = Yes\r\nk:=v:w,z\r\n");
    ASSERT_EQ(6u, store.Count());
    EXPECT_EQ("Main", store.At(1).Section);
    EXPECT_EQ("Caption", store.At(1).Key);
    EXPECT_EQ("Hello", store.At(1).Value);
    EXPECT_EQ("", store.At(2).Key);  // blank line: a placeholder
    EXPECT_EQ("remark line", store.At(3).Key);
    EXPECT_EQ("", store.At(3).Value);
    EXPECT_EQ("x", store.At(4).Key);
    EXPECT_EQ("a=b", store.At(4).Value);
    EXPECT_EQ(" Logon Start ", store.At(5).Key);  // nothing trimmed on reading
    EXPECT_EQ(" Yes", store.At(5).Value);
    EXPECT_EQ("k", store.At(6).Section);
    EXPECT_EQ("", store.At(6).Key);
    EXPECT_EQ("v:w,z", store.At(6).Value);
}

TEST(SettingsSyntax, RemarkLineWithColonKeepsWholeLineAsKey) {
    SettingsStore store = Loaded("note: read me\r\n");
    EXPECT_EQ("", store.At(1).Section);
    EXPECT_EQ("note: read me", store.At(1).Key);
}

// ---- Lookups -----------------------------------------------------------------

TEST(SettingsLookup, ItemIsTextBeforeFirstCommaValueIsWholeText) {
    SettingsStore store = Loaded("Declaration Period Days=30,days between showings\r\n");
    EXPECT_EQ("30", GetSettingItem("Declaration Period Days", store));
    EXPECT_EQ("30,days between showings", GetSettingValue("Declaration Period Days", store));
    EXPECT_EQ("30", GetSettingItem("declaration period days", store));
}

TEST(SettingsLookup, TrimmedKeyMatchesAndValueKeepsItsSpaces) {
    SettingsStore store = Loaded(" Logon Start = Yes\r\n");
    EXPECT_EQ(" Yes", GetSettingValue("logon start", store));
    EXPECT_EQ(" Yes", GetSettingItem("LOGON START", store));
}

TEST(SettingsLookup, SectionIsMatchedOnlyWhenAskedFor) {
    SettingsStore store = Loaded("Main:Caption=Hello\r\nOther:Caption=Bye\r\n");
    EXPECT_EQ("Hello", GetSettingValue("caption", store));
    EXPECT_EQ("Bye", GetSettingValue("caption", store, "other"));
    EXPECT_EQ("", GetSettingValue("caption", store, "none"));
}

TEST(SettingsLookup, FirstOfDuplicateKeysWins) {
    SettingsStore store = Loaded("Speak Rate=1\r\nspeak rate=2\r\n");
    EXPECT_EQ("1", GetSettingItem("Speak Rate", store));
    SetSettingItem("Speak Rate", "5", store);
    SetSettingValue("Speak Rate", "6", store);
    SetSettingByKey("Speak Rate", "7", store);
    EXPECT_EQ("7", store.At(1).Value);
    EXPECT_EQ("2", store.At(2).Value);
    EXPECT_EQ("Speak Rate=7\r\nspeak rate=2\r\n", SettingsFileText(store));
}

TEST(SettingsLookup, MissingKeyAnswersZeroItemAndEmptyValue) {
    SettingsStore store;
    EXPECT_EQ("0", GetSettingItem("Declaration Period Days", store));
    EXPECT_EQ("", GetSettingValue("Declaration Period Days", store));
    // The placeholder of a new store matches only an empty key.
    EXPECT_EQ("", GetSettingItem("", store));
}

TEST(SettingsLookup, ItemBeginningWithCommaIsEmpty) {
    SettingsStore store = Loaded("Caption=,note\r\n");
    EXPECT_EQ("", GetSettingItem("Caption", store));
}

TEST(SettingsLookup, ConsoleStoreAnswersCallersDefaultForEmptyOrMissingItem) {
    SettingsStore store = Loaded("Width=,note\r\nHeight=300,px\r\nBlank=\r\n", StoreVariant::Console);
    EXPECT_EQ("9000", GetSettingItem("Width", store, "", "9000"));
    EXPECT_EQ("300", GetSettingItem("Height", store, "", "9000"));
    EXPECT_EQ("x", GetSettingItem("Blank", store, "", "x"));
    EXPECT_EQ("dflt", GetSettingItem("Missing", store, "", "dflt"));
    EXPECT_EQ("", GetSettingItem("Missing", store, "", ""));
}

// ---- Updates ------------------------------------------------------------------

TEST(SettingsUpdate, SetItemKeepsNoteAfterFirstComma) {
    SettingsStore store = Loaded("Speaker Volume=50,note,more\r\n");
    SetSettingItem("Speaker Volume", " 80 ", store);
    EXPECT_EQ("80,note,more", GetSettingValue("Speaker Volume", store));
}

TEST(SettingsUpdate, SetItemDropsValueStartingWithComma) {
    SettingsStore store = Loaded("Speaker Volume=,note\r\n");
    SetSettingItem("Speaker Volume", "80", store);
    EXPECT_EQ("80", GetSettingValue("Speaker Volume", store));
}

TEST(SettingsUpdate, SetItemAppendsMissingKeyInDeclarationStore) {
    SettingsStore store = Loaded("A=1\r\n");
    SetSettingItem("Speaker Volume", "80", store);
    EXPECT_EQ("A=1\r\nSpeaker Volume=80\r\n", SettingsFileText(store));
    SetSettingItem("Voice", "Anna", store, "Speech");
    EXPECT_EQ("Speech", store.Entries().back().Section);
    EXPECT_EQ("Anna", GetSettingItem("voice", store, "speech"));
}

TEST(SettingsUpdate, SetItemNeverAppendsInConsoleStore) {
    SettingsStore store = Loaded("A=1,n\r\na=2\r\n", StoreVariant::Console);
    SetSettingItem("Missing", "80", store);
    EXPECT_EQ(2u, store.Count());
    SetSettingItem("a", "9", store);
    EXPECT_EQ("9,n", store.At(1).Value);
    EXPECT_EQ("2", store.At(2).Value);
}

TEST(SettingsUpdate, SetValueTrimsAndSetsSection) {
    SettingsStore store = Loaded("Main:Caption=old\r\n");
    SetSettingValue("caption", "  new text ", store, "main");
    EXPECT_EQ("new text", store.At(1).Value);
    EXPECT_EQ("main", store.At(1).Section);
    EXPECT_EQ("Caption", store.At(1).Key);  // the stored key is kept
    SetSettingValue("  Tip ", " hello ", store);
    EXPECT_EQ("Tip", store.Entries().back().Key);
    EXPECT_EQ("hello", store.Entries().back().Value);
    EXPECT_EQ("", store.Entries().back().Section);
}

TEST(SettingsUpdate, SetByKeyKeepsValueAsGivenAndAppendsKeyUnchanged) {
    SettingsStore store = Loaded("Main:Last Run=1/1/2026\r\n");
    SetSettingByKey("last run", " 12/7/2026 ", store);
    EXPECT_EQ(" 12/7/2026 ", store.At(1).Value);
    EXPECT_EQ("Main", store.At(1).Section);
    SetSettingByKey(" New ", " v ", store);
    EXPECT_EQ(" New ", store.Entries().back().Key);
    EXPECT_EQ(" v ", store.Entries().back().Value);
}

// ---- Load over a store and merge ---------------------------------------------

TEST(SettingsLoad, ShorterFileOverwritesLeadingEntriesAndKeepsTheRest) {
    SettingsStore store;
    for (int i = 1; i <= 10; ++i) store.At(i).Key = "k" + std::to_string(i);
    store.At(2).Section = "Old";
    EXPECT_TRUE(LoadSettingsText("a=1\r\nb=2\r\nS:c=3\r\n", store));
    ASSERT_EQ(10u, store.Count());
    EXPECT_EQ("a", store.At(1).Key);
    EXPECT_EQ("Old", store.At(2).Section);  // a line without section keeps the old one
    EXPECT_EQ("S", store.At(3).Section);
    EXPECT_EQ("k4", store.At(4).Key);
    EXPECT_EQ("k10", store.At(10).Key);
}

TEST(SettingsLoad, ScreenSaverFileOverMainFileWinsByPosition) {
    SettingsStore store = Loaded("Caption=Main\r\nColour=1\r\nPeriod=7\r\n");
    LoadSettingsText("Period=0\r\n", store);
    EXPECT_EQ("0", GetSettingItem("Period", store));
    EXPECT_EQ("0", GetSettingItem("Caption", store));  // line 1 was overwritten
    EXPECT_EQ("1", GetSettingItem("Colour", store));
}

TEST(SettingsLoad, MergeReplacesByKeyAppendsNewKeysAndIgnoresRemarks) {
    SettingsStore store = Loaded("Caption=Main\r\nPeriod=7,days\r\n");
    EXPECT_TRUE(MergeSettingsText("remark\r\nSect:period=0\r\n Caption =Mine\r\nExtra=1\r\n", store));
    EXPECT_EQ("0", GetSettingValue("Period", store));
    EXPECT_EQ("Mine", GetSettingValue("Caption", store));
    ASSERT_EQ(3u, store.Count());
    EXPECT_EQ("Extra", store.At(3).Key);
    EXPECT_EQ("", store.At(2).Section);  // the merged line's section is dropped
}

TEST(SettingsLoad, MergeUpdatesFirstDuplicateAndAppendsANewKeyOnce) {
    SettingsStore store = Loaded("Dup=1\r\ndup=2\r\n");
    MergeSettingsText("DUP=9\r\nNew=a\r\nnew =b\r\n", store);
    EXPECT_EQ("Dup=9\r\ndup=2\r\nNew=b\r\n", SettingsFileText(store));
}

TEST(SettingsLoad, EmptyTextReadsNoLine) {
    SettingsStore store;
    EXPECT_FALSE(LoadSettingsText("", store));
    EXPECT_FALSE(MergeSettingsText("", store));
    EXPECT_EQ(1u, store.Count());
}

TEST(SettingsLoad, PositionZeroAndPastTheEndAreDefined) {
    SettingsStore store;
    const SettingsStore& view = store;
    EXPECT_EQ("", view.At(5).Key);
    EXPECT_EQ(1u, store.Count());
    store.At(3).Key = "x";
    EXPECT_EQ(3u, store.Count());
    store.Clear();
    EXPECT_EQ(1u, store.Count());
    EXPECT_EQ("", store.At(1).Key);
}

// ---- Writing back -------------------------------------------------------------

TEST(SettingsSave, RoundTripKeepsOrderSectionsRemarksCaretAndDuplicates) {
    const std::string file =
        "Main:Caption=Hello\r\n"
        "\r\n"
        "a remark\r\n"
        "Tip=^  word\r\n"
        "Dup=1\r\n"
        "dup=2\r\n"
        "Multi=line one\nline two\r\n"
        " Logon Start = Yes\r\n";
    SettingsStore store = Loaded(file);
    EXPECT_EQ("^  word", GetSettingValue("Tip", store));
    const std::string expected =
        "Main:Caption=Hello\r\n"
        "a remark=\r\n"
        "Tip=  word\r\n"
        "Dup=1\r\n"
        "dup=2\r\n"
        "Multi=line one\nline two\r\n"
        " Logon Start = Yes\r\n";
    EXPECT_EQ(expected, SettingsFileText(store));
    // A second round keeps the text as it is now.
    EXPECT_EQ(expected, SettingsFileText(Loaded(expected)));
}

TEST(SettingsFile, MissingFileIsNotTouchedAndAnswersFalse) {
    TempFolder folder;
    SettingsStore store = Loaded("A=1\r\n");
    EXPECT_FALSE(LoadSettingsFile(folder.File("none.ini"), store));
    EXPECT_FALSE(MergeSettingsFile(folder.File("none.ini"), store));
    EXPECT_FALSE(LoadSettingsFile("", store));
    EXPECT_FALSE(LoadSettingsFile(folder.Path(), store));  // a folder is not a file
    EXPECT_EQ("A=1\r\n", SettingsFileText(store));
}

// Files as editors save them read as the store's own format, and are
// written back in it (ANSI, CR LF): a UTF-8 byte-order mark, LF line ends
// alone, UTF-16 in either byte order. A file with a CR keeps a lone LF in
// its value.
TEST(SettingsFile, FilesAsEditorsSaveThemAreReadAndWrittenBackAsAnsiCrLf) {
    const std::u16string unicode = u"Period=-2\r\nName=M\u00FCller \u2603\r\n";
    const std::string utf16le = Utf16(unicode, false), utf16be = Utf16(unicode, true);
    const struct {
        const char* What;
        std::string Bytes;
        const char* Read;
    } cases[] = {
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBFPeriod=-2\r\nName=M\xC3\xBCller \xE2\x98\x83\r\n",
         "Period=-2\r\nName=M\xFCller ?\r\n"},
        {"LF alone", "Period=-2\nName=x\n", "Period=-2\r\nName=x\r\n"},
        {"UTF-16, low byte first", utf16le, "Period=-2\r\nName=M\xFCller ?\r\n"},
        {"UTF-16, high byte first", utf16be, "Period=-2\r\nName=M\xFCller ?\r\n"},
        {"a CR keeps a lone LF in the value", "Period=-2\r\nName=a\nb\r\n", "Period=-2\r\nName=a\nb\r\n"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.Write("Tessarin.ini", c.Bytes);
        SettingsStore store;
        ASSERT_TRUE(LoadSettingsFile(folder.File("Tessarin.ini"), store)) << c.What;
        EXPECT_EQ("-2", GetSettingItem("Period", store)) << c.What;
        ASSERT_TRUE(SaveSettingsFile(store, folder.File("Tessarin.ini"))) << c.What;
        EXPECT_EQ(c.Read, folder.Read("Tessarin.ini")) << c.What;
    }
}

TEST(SettingsFile, SaveThenLoadGivesTheSameStore) {
    TempFolder folder;
    SettingsStore store = Loaded("Main:Caption=Hello\r\nPeriod=7,days\r\n");
    ASSERT_TRUE(SaveSettingsFile(store, folder.File("Tessarin.ini")));
    EXPECT_EQ("Main:Caption=Hello\r\nPeriod=7,days\r\n", folder.Read("Tessarin.ini"));
    SettingsStore again;
    EXPECT_TRUE(LoadSettingsFile(folder.File("Tessarin.ini"), again));
    EXPECT_EQ(SettingsFileText(store), SettingsFileText(again));
}

TEST(SettingsFile, SaveSettingByKeyRewritesTheWholeFile) {
    TempFolder folder;
    folder.Write("jsmith.ini", "Speaker=No\r\nLast Run=1/1/2026\r\n");
    SettingsStore store;
    ASSERT_TRUE(LoadSettingsFile(folder.File("jsmith.ini"), store));
    EXPECT_TRUE(SaveSettingByKey("Last Run", "12/7/2026", store, folder.File("jsmith.ini")));
    EXPECT_EQ("Speaker=No\r\nLast Run=12/7/2026\r\n", folder.Read("jsmith.ini"));
}

TEST(SettingsFile, FailedSaveLeavesOldFileAndAnswersFalse) {
    TempFolder folder;
    SettingsStore store = Loaded("A=new\r\n");
    EXPECT_FALSE(SaveSettingsFile(store, folder.File("missing/Profiles/u.ini")));
    EXPECT_FALSE(SaveSettingsFile(store, folder.Path()));  // the target is a folder

    folder.Write("locked.ini", "A=old\r\n");
    folder.SetReadOnly("locked.ini", true);
    EXPECT_FALSE(SaveSettingsFile(store, folder.File("locked.ini")));
    folder.SetReadOnly("locked.ini", false);
    EXPECT_EQ("A=old\r\n", folder.Read("locked.ini"));
    EXPECT_EQ("A=new", store.At(1).Key + "=" + store.At(1).Value);
}

TEST(SettingsFile, SaveLeavesNoTemporaryFileBehind) {
    TempFolder folder;
    SettingsStore store = Loaded("A=1\r\n");
    ASSERT_TRUE(SaveSettingsFile(store, folder.File("a.ini")));
    ASSERT_TRUE(SaveSettingsFile(store, folder.File("a.ini")));
    folder.Write("ro.ini", "A=0\r\n");
    folder.SetReadOnly("ro.ini", true);
    EXPECT_FALSE(SaveSettingsFile(store, folder.File("ro.ini")));
    folder.SetReadOnly("ro.ini", false);
    EXPECT_EQ((std::vector<std::string>{"a.ini", "ro.ini"}), folder.FileNames());
}

TEST(SettingsFile, BinaryBytesAndLongLinesLoadAndSaveUnchanged) {
    TempFolder folder;
    std::string binary("K\0ey=v\0a\x01\xff\x80lue\r\n", 16);
    std::string longLine = "Long=" + std::string(1024 * 1024, 'x') + "\r\n";
    folder.Write("bin.ini", binary + longLine + "Tail=1\r\n");
    SettingsStore store;
    ASSERT_TRUE(LoadSettingsFile(folder.File("bin.ini"), store));
    ASSERT_EQ(3u, store.Count());
    EXPECT_EQ(std::string("K\0ey", 4), store.At(1).Key);
    EXPECT_EQ(std::string("v\0a\x01\xff\x80lue", 9), store.At(1).Value);
    EXPECT_EQ(1024u * 1024u, GetSettingValue("Long", store).size());
    EXPECT_EQ("1", GetSettingItem("Tail", store));
    ASSERT_TRUE(SaveSettingsFile(store, folder.File("out.ini")));
    EXPECT_EQ(folder.Read("bin.ini"), folder.Read("out.ini"));
}

TEST(SettingsFile, FortyThousandLinesLoadCompletely) {
    TempFolder folder;
    std::string text;
    for (int i = 1; i <= 40000; ++i) text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    folder.Write("big.ini", text);
    SettingsStore store;
    ASSERT_TRUE(LoadSettingsFile(folder.File("big.ini"), store));
    EXPECT_EQ(40000u, store.Count());
    EXPECT_EQ("40000", GetSettingItem("Key40000", store));
    EXPECT_EQ("32768", GetSettingItem("key32768", store));
    SettingsStore merged;
    ASSERT_TRUE(MergeSettingsFile(folder.File("big.ini"), merged));
    EXPECT_EQ("39999", GetSettingItem("Key39999", merged));
}

TEST(SettingsFile, LargeFileLoadsWhole) {
    TempFolder folder;
    folder.Write("large.ini", "First=1\r\n" + std::string(5 * 1024 * 1024, 'x') + "\r\nLast=2\r\n");
    SettingsStore store;
    EXPECT_TRUE(LoadSettingsFile(folder.File("large.ini"), store));
    EXPECT_EQ("2", GetSettingItem("Last", store));
}

TEST(SettingsFile, OversizedFileLoadsItsFirstPartOnly) {
    TempFolder folder;
    std::string text = "First=1\r\n" + std::string(65 * 1024 * 1024, 'x') + "\r\nLast=2\r\n";
    folder.Write("huge.ini", text);
    SettingsStore store;
    EXPECT_TRUE(LoadSettingsFile(folder.File("huge.ini"), store));
    EXPECT_EQ("1", GetSettingItem("First", store));
    EXPECT_EQ("0", GetSettingItem("Last", store));
}

// ---- What both store variants share -------------------------------------------

class BothVariants : public ::testing::TestWithParam<StoreVariant> {};

TEST_P(BothVariants, LoadLookupAndSaveAreTheSame) {
    SettingsStore store(GetParam());
    for (int i = 1; i <= 10; ++i) store.At(i).Key = "k" + std::to_string(i);
    LoadSettingsText("Main:Caption=Hello\r\nx=a=b\r\nremark\r\n", store);
    EXPECT_EQ(10u, store.Count());
    EXPECT_EQ("Hello", GetSettingValue("caption", store));
    EXPECT_EQ("a=b", GetSettingValue("X", store));
    EXPECT_EQ("", GetSettingValue("missing", store));
    EXPECT_EQ("Hello", GetSettingItem("caption", store, "", "d"));
    SetSettingValue("x", " v ", store);
    SetSettingByKey("Caption", "^Bye", store);
    EXPECT_EQ("Main:Caption=Bye\r\nx=v\r\nremark=\r\nk4=\r\nk5=\r\nk6=\r\nk7=\r\nk8=\r\nk9=\r\nk10=\r\n",
              SettingsFileText(store));
    SetSettingItem("Caption", "Hi", store);
    EXPECT_EQ("Hi", GetSettingValue("caption", store));
}

TEST_P(BothVariants, MissingFileLeavesEveryLookupAtItsDefault) {
    TempFolder folder;
    SettingsStore store(GetParam());
    EXPECT_FALSE(LoadSettingsFile(folder.File("Tessarin.ini"), store));
    EXPECT_EQ("", GetSettingValue("Declaration Period Days", store));
    std::string expected = GetParam() == StoreVariant::Declaration ? "0" : "7";
    EXPECT_EQ(expected, GetSettingItem("Declaration Period Days", store, "", "7"));
}

INSTANTIATE_TEST_SUITE_P(Settings, BothVariants, ::testing::Values(StoreVariant::Declaration, StoreVariant::Console));

#include "runner/document/language_documents.h"

#include <gtest/gtest.h>

TEST(LanguageDocuments, MostSpecificFolderFirstThenThePath) {
    using V = std::vector<std::string>;
    EXPECT_EQ(LanguageFolders("de-CH"), (V{"de-CH", "de"}));
    EXPECT_EQ(LanguageFolders("zh-Hant-TW"), (V{"zh-Hant-TW", "zh-Hant", "zh"}));
    EXPECT_EQ(LanguageFolders("fr"), (V{"fr"}));
    for (const char* bad : {"", "de_DE.UTF-8", "..\\x", "-de", "de-"}) EXPECT_TRUE(LanguageFolders(bad).empty()) << bad;
    EXPECT_EQ(LanguageCandidates("C:\\App\\Documents\\index.html", "de-CH"),
              (V{"C:\\App\\Documents\\de-CH\\index.html", "C:\\App\\Documents\\de\\index.html",
                 "C:\\App\\Documents\\index.html"}));
    EXPECT_EQ(LanguageCandidates("\\\\srv\\docs\\policy.pdf", "en"),
              (V{"\\\\srv\\docs\\en\\policy.pdf", "\\\\srv\\docs\\policy.pdf"}));
    EXPECT_EQ(LanguageCandidates("C:\\App\\Documents\\x.htm", ""), (V{"C:\\App\\Documents\\x.htm"}));
    EXPECT_EQ(LanguageCandidates("index.html", "de"), (V{"index.html"}));
}

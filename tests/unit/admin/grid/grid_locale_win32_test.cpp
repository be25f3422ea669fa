// The grid's dates with the system's regional names (run under Wine): names
// in the ANSI code page read alike in any case, accented capitals included.
#include <gtest/gtest.h>

#include <windows.h>

#include "admin/grid/edit_grid_win32.h"
#include "admin/grid/vb_format.h"

TEST(GridLocale, GermanNamesInCapitalsReadAsInLowerCase) {
    // The German names come in code page 1252; another system code page
    // would read their bytes as other letters.
    if (GetACP() != 1252) GTEST_SKIP() << "the system code page is " << GetACP();
    const FormatLocale german = SystemFormatLocale(MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT));
    ASSERT_EQ("M\xe4rz", german.MonthNames[2]);
    ASSERT_EQ("Montag", german.DayNames[1]);
    struct Case {
        const char* Capitals;
        const char* Lower;
        const char* Pattern;
        const char* Expected;
    };
    const Case cases[] = {
        {"7. M\xc4RZ 2026", "7. m\xe4rz 2026", "yyyy-mm-dd", "2026-03-07"},
        {"M\xc4R 31 2027", "m\xe4r 31 2027", "d.m.yyyy", "31.3.2027"},  // the first letters of the name
        {"MONTAG, 9. M\xc4RZ 2026", "montag, 9. m\xe4rz 2026", "dddd d. mmmm", "Montag 9. M\xe4rz"},
        {"SONNTAG, 6. DEZEMBER 2026", "sonntag, 6. dezember 2026", "dddd mmmm yy", "Sonntag Dezember 26"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Expected, VbFormat(c.Capitals, c.Pattern, german)) << c.Capitals;
        EXPECT_EQ(c.Expected, VbFormat(c.Lower, c.Pattern, german)) << c.Lower;
    }
}

// The general formatting function and the reading of numbers and dates.
#include <gtest/gtest.h>

#include "admin/grid/vb_format.h"

namespace {

struct Case {
    const char* Value;
    const char* Pattern;
    const char* Expected;
};

void ExpectAll(const std::vector<Case>& cases, const FormatLocale& locale = FormatLocale::Default()) {
    for (const Case& c : cases)
        EXPECT_EQ(VbFormat(c.Value, c.Pattern, locale), c.Expected) << c.Value << " with " << c.Pattern;
}

FormatLocale British() {
    FormatLocale l;
    l.ShortDatePattern = "dd/MM/yyyy";
    l.LongDatePattern = "dd MMMM yyyy";
    l.CurrencySymbol = "\xA3";  // pound sign in the ANSI code page
    return l;
}

FormatLocale German() {
    FormatLocale l;
    l.ShortDatePattern = "d.M.yyyy";
    l.DecimalSeparator = ',';
    l.ThousandSeparator = '.';
    l.DateSeparator = '.';
    l.CurrencySymbol = "\x80";  // euro sign
    l.CurrencySymbolFirst = false;
    return l;
}

}  // namespace

TEST(GridFormatNumbers, DigitPlaceholdersSeparatorsAndSections) {
    ExpectAll({
        {"3", "0.00", "3.00"},
        {"1234567.891", "#,##0.00", "1,234,567.89"},
        {"0.5", "#.##", ".5"},
        {"0.5", "0.##", "0.5"},
        {"5", "#.##", "5."},
        {"2.5", "0", "3"},  // halves round away from zero
        {"-2.5", "0", "-3"},
        {"1.005", "0.00", "1.01"},  // not undone by binary representation
        {"-3", "0.00", "-3.00"},
        {"-3", "0.00;(0.00)", "(3.00)"},
        {"0", "0.00;(0.00);\"zero\"", "zero"},
        {"-0.001", "0.00", "0.00"},  // rounds to zero: no minus sign
        {"123456789", "000-00-0000", "123-45-6789"},
        {"42", "00000", "00042"},
        {"1234567", "#,##0,", "1,235"},  // a trailing comma divides by 1000
        {"0.256", "0.0%", "25.6%"},
        {"1234", "$#,##0", "$1,234"},
        {"3", "0.00\\%", "3.00%"},
        {"7", "\"No. \"0", "No. 7"},
    });
}

TEST(GridFormatNumbers, Exponents) {
    ExpectAll({
        {"1234.5", "0.00E+00", "1.23E+03"},
        {"0.000123", "0.00E-00", "1.23E-04"},
        {"1234.5", "0.00E-00", "1.23E03"},
        {"9.999", "0.00E+00", "1.00E+01"},  // rounding carries into the exponent
        {"0", "0.00E+00", "0.00E+00"},
    });
}

TEST(GridFormatNumbers, NamedNumberFormats) {
    ExpectAll({
        {"12.50", "General Number", "12.5"},
        {"1234.5", "Currency", "$1,234.50"},
        {"-1234.5", "Currency", "($1,234.50)"},
        {"3", "Fixed", "3.00"},
        {"1234567", "Standard", "1,234,567.00"},
        {"0.256", "Percent", "25.60%"},
        {"1234.5", "Scientific", "1.23E+03"},
        {"0", "Yes/No", "No"},
        {"-1", "Yes/No", "Yes"},
        {"2", "True/False", "True"},
        {"0", "True/False", "False"},
        {"1", "On/Off", "On"},
        {"0", "on/off", "Off"},  // names in any case
    });
}

TEST(GridFormatNumbers, LocaleSeparatorsAndCurrency) {
    ExpectAll({{"1.234.567,891", "#,##0.00", "1.234.567,89"}, {"3,5", "Currency", "3,50 \x80"}, {"2,5", "0.0", "2,5"}},
              German());
}

TEST(GridFormatDates, DateAndTimeTokens) {
    ExpectAll({
        {"12/7/2026", "dd/mm/yyyy", "07/12/2026"},
        {"12/7/2026", "d/m/yy", "7/12/26"},
        {"12/7/2026", "dddd, mmmm d, yyyy", "Monday, December 7, 2026"},
        {"12/7/2026", "ddd d mmm yy", "Mon 7 Dec 26"},
        {"12/7/2026", "DD-MM-YYYY", "07-12-2026"},  // tokens in any case
        {"12/7/2026", "w ww q y", "2 50 4 341"},    // weekday from Sunday, week 1 holds 1 January
        {"1/1/2026", "ww", "1"},
        {"1/4/2026", "ww", "2"},  // the first Sunday starts week 2
        {"12/7/2026", "ddddd", "12/7/2026"},
        {"12/7/2026", "dddddd", "Monday, December 7, 2026"},
        {"12/7/2026 14:05:09", "hh:nn:ss AM/PM", "02:05:09 PM"},
        {"12/7/2026 14:05:09", "h:mm:ss", "14:05:09"},  // m after h is minutes
        {"12/7/2026 14:05:09", "mm:ss", "05:09"},       // m before s is minutes
        {"12/7/2026 09:30", "h:nn a/p", "9:30 a"},
        {"12/7/2026 00:15", "h:nn am/pm", "12:15 am"},
        {"7 Dec 2026", "yyyymmdd", "20261207"},
        {"December 7, 2026", "yyyy-mm-dd", "2026-12-07"},
        {"2026-12-07", "d.m.yyyy", "7.12.2026"},
        {"12/7/2026", "\"Day\" d", "Day 7"},
    });
}

TEST(GridFormatDates, NamedDateFormats) {
    ExpectAll({
        {"12/7/2026", "Long Date", "Monday, December 7, 2026"},
        {"12/7/2026", "Medium Date", "7-Dec-26"},
        {"12/7/2026", "Short Date", "12/7/2026"},
        {"12/7/2026 14:05", "General Date", "12/7/2026 2:05:00 PM"},
        {"12/7/2026", "General Date", "12/7/2026"},
        {"14:05", "Long Time", "2:05:00 PM"},
        {"14:05", "Medium Time", "02:05 PM"},
        {"2:05 PM", "Short Time", "14:05"},
    });
}

TEST(GridFormatDates, RegionalOrderDecidesHowDatesRead) {
    ExpectAll({{"07/12/2026", "yyyy-mm-dd", "2026-12-07"},
               {"07/12/2026", "Long Date", "07 December 2026"},
               {"31/01/2026", "Short Date", "31/01/2026"}},
              British());
    // 31/01/2026 is no date in the US order: left as it is.
    ExpectAll({{"31/01/2026", "yyyy-mm-dd", "31/01/2026"}});
}

TEST(GridFormatText, TextPlaceholders) {
    ExpectAll({
        {"hello", "@@@@@@@@", "   hello"},
        {"hello", "!@@@@@@@@", "hello   "},
        {"hello", ">", "HELLO"},
        {"HeLLo", "<@@@", "hello"},  // surplus characters kept on the left
        {"12345", "@@@-@@", "123-45"},
        {"abc", "&&&&x", "abcx"},
        {"007", "@@@@", " 007"},  // text patterns keep the text as typed
    });
}

TEST(GridFormatBadInput, DefinedAnswersForGarbage) {
    ExpectAll({
        {"x", "zzz", "x"},  // no placeholders: value unchanged
        {"5", "\"abc\"", "5"},
        {"abc", "0.00", "abc"},  // text is not forced into a number
        {"", "0.00", ""},        // empty cells stay empty
        {"   ", "Currency", "   "},
        {"5", "", "5"},
        {"5", "\"unterminated", "5"},
        {"5", "0.00;;;;;;", "5.00"},
        {"1e999", "0.00", "1e999"},  // overflows: not a number
        {"12/7/2026", "0.00", "12/7/2026"},
        {"13/45/2026", "yyyy", "13/45/2026"},
        {"2/30/2026", "yyyy", "2/30/2026"},
    });
    // Huge patterns and values give bounded output, no hang.
    std::string pattern(100000, '0');
    EXPECT_EQ(VbFormat("5", pattern), "5");
    EXPECT_EQ(VbFormatNumber(5, std::string(200, '0')), std::string(199, '0') + "5");
    EXPECT_LE(VbFormatDate(DateTimeValue(), std::string(100000, 'd')).size(), kMaxFormatOutput);
    std::string big(100000, '9');
    EXPECT_EQ(VbFormat(big, "0.00"), big);  // not finite as a number: unchanged
    EXPECT_LE(VbFormat("1e300", "#,##0").size(), kMaxFormatOutput);
    std::string letters(100000, 'd');
    EXPECT_LE(VbFormat("12/7/2026", letters).size(), kMaxFormatOutput);
    const std::string longText(100000, 'a');
    EXPECT_EQ(VbFormat(longText, std::string(50000, '@')), longText);
    // Text patterns never cut the text itself.
    EXPECT_EQ(VbFormat(longText, ">"), std::string(100000, 'A'));
}

TEST(GridValues, NumbersAndDatesAsUsersWriteThem) {
    double v = 0;
    EXPECT_TRUE(IsNumericText(" 1,234.5 ", &v));
    EXPECT_DOUBLE_EQ(v, 1234.5);
    EXPECT_TRUE(IsNumericText("(5)", &v));
    EXPECT_DOUBLE_EQ(v, -5);
    EXPECT_TRUE(IsNumericText("$3", &v));
    EXPECT_TRUE(IsNumericText("1e3", &v));
    EXPECT_DOUBLE_EQ(v, 1000);
    EXPECT_FALSE(IsNumericText(""));
    EXPECT_FALSE(IsNumericText("1,2,"));
    EXPECT_FALSE(IsNumericText("12abc"));
    EXPECT_FALSE(IsNumericText("--5"));
    EXPECT_DOUBLE_EQ(LeadingValue("12abc"), 12);
    EXPECT_DOUBLE_EQ(LeadingValue("x"), 0);
    EXPECT_TRUE(IsDateText("12/7/2026"));
    EXPECT_TRUE(IsDateText("2/29/2024"));
    EXPECT_FALSE(IsDateText("2/29/2026"));
    EXPECT_FALSE(IsDateText("2026"));
    EXPECT_FALSE(IsDateText("1/2"));
    auto d = ReadDateText("1/2/03");
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->Year, 2003);
    d = ReadDateText("1/2/45");
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->Year, 1945);
    EXPECT_EQ(NumberText(42), "42");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(1e20), "1E+20");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_DOUBLE_EQ(DateSerialOf(*ReadDateText("1/1/1900")), 2);
    DateTimeValue back = DateFromSerial(DateSerialOf(*ReadDateText("12/7/2026 14:05")));
    EXPECT_EQ(back.Day, 7);
    EXPECT_EQ(back.Hour, 14);
    EXPECT_EQ(back.Minute, 5);
}

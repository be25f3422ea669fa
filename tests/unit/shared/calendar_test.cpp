#include "shared/calendar.h"

#include <gtest/gtest.h>

#include "support/fake_calendar.h"

namespace {

CivilDate D(int year, int month, int day) {
    CivilDate date;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    return date;
}

}  // namespace

TEST(CivilDates, DayNumbersRoundTripAcrossCenturiesAndLeapDays) {
    EXPECT_EQ(0, DaysFromCivil(D(1970, 1, 1)));
    EXPECT_EQ(-25569, DaysFromCivil(D(1899, 12, 30)));  // the OLE date epoch
    for (long day = DaysFromCivil(D(1599, 12, 25)); day < DaysFromCivil(D(2401, 3, 5)); day += 13)
        ASSERT_EQ(day, DaysFromCivil(CivilFromDays(day))) << day;
    EXPECT_TRUE(CivilFromDays(DaysFromCivil(D(2000, 2, 29))) == D(2000, 2, 29));
    EXPECT_EQ(1, DaysBetween(D(2028, 2, 28), D(2028, 2, 29)));
    EXPECT_EQ(1, DaysBetween(D(2100, 2, 28), D(2100, 3, 1)));
    EXPECT_EQ(-365, DaysBetween(D(2027, 1, 1), D(2026, 1, 1)));
}

TEST(CivilDates, WeekdaysAndAdding) {
    EXPECT_EQ(1, WeekdayOf(D(2026, 12, 7)));   // a Monday
    EXPECT_EQ(4, WeekdayOf(D(1970, 1, 1)));    // a Thursday
    EXPECT_EQ(6, WeekdayOf(D(1899, 12, 30)));  // a Saturday
    EXPECT_EQ(0, WeekdayOf(D(1969, 12, 28)));  // a Sunday
    EXPECT_TRUE(AddDays(D(2026, 12, 31), 1) == D(2027, 1, 1));
    EXPECT_TRUE(AddDays(D(2026, 3, 1), -1) == D(2026, 2, 28));
    EXPECT_TRUE(AddYears(D(2028, 2, 29), 99) == D(2127, 2, 28));
    EXPECT_TRUE(AddYears(D(2028, 2, 29), 4) == D(2032, 2, 29));
    EXPECT_TRUE(AddYears(D(2026, 12, 7), 99) == D(2125, 12, 7));
}

TEST(CivilDates, Validity) {
    EXPECT_TRUE(IsValidCivilDate(D(2024, 2, 29)));
    EXPECT_FALSE(IsValidCivilDate(D(2026, 2, 29)));
    EXPECT_FALSE(IsValidCivilDate(D(2026, 13, 1)));
    EXPECT_FALSE(IsValidCivilDate(D(2026, 4, 31)));
    EXPECT_FALSE(IsValidCivilDate(D(2026, 0, 1)));
    EXPECT_FALSE(IsValidCivilDate(D(99, 1, 1)));
    EXPECT_FALSE(IsValidCivilDate(D(10000, 1, 1)));
    EXPECT_EQ(2029, ExpandTwoDigitYear(29));
    EXPECT_EQ(1930, ExpandTwoDigitYear(30));
    EXPECT_EQ(2000, ExpandTwoDigitYear(0));
}

TEST(DatePatterns, FormatInTheCommonShortPatterns) {
    const CivilDate date = D(2026, 12, 7);
    EXPECT_EQ("12/7/2026", FormatDatePattern(date, "M/d/yyyy"));
    EXPECT_EQ("07/12/2026", FormatDatePattern(date, "dd/MM/yyyy"));
    EXPECT_EQ("07.12.2026", FormatDatePattern(date, "dd.MM.yyyy"));
    EXPECT_EQ("7.12.2026", FormatDatePattern(date, "d.M.yyyy"));
    EXPECT_EQ("2026-12-07", FormatDatePattern(date, "yyyy-MM-dd"));
    EXPECT_EQ("07-Dec-26", FormatDatePattern(date, "dd-MMM-yy"));
    EXPECT_EQ("Monday, December 7, 2026", FormatDatePattern(date, "dddd, MMMM d, yyyy"));
    EXPECT_EQ("7 de 2026", FormatDatePattern(date, "d 'de' yyyy"));
    EXPECT_EQ("it's 7", FormatDatePattern(date, "'it''s' d"));
    EXPECT_EQ("5/3/05", FormatDatePattern(D(2005, 5, 3), "M/d/yy"));
}

TEST(DatePatterns, FormatUsesTheCalendarsPatternAndNames) {
    FakeCalendar calendar(D(2026, 12, 7), "ddd dd/MM/yyyy");
    EXPECT_EQ("Mon 07/12/2026", FormatShortDate(calendar.Today(), calendar));
}

TEST(DatePatterns, ParseAcceptsOneOrTwoDigitFieldsAndThePatternsSeparators) {
    EXPECT_TRUE(*ParseDatePattern("12/7/2026", "M/d/yyyy") == D(2026, 12, 7));
    EXPECT_TRUE(*ParseDatePattern(" 01/02/2026 ", "M/d/yyyy") == D(2026, 1, 2));
    EXPECT_TRUE(*ParseDatePattern("7/12/2026", "dd/MM/yyyy") == D(2026, 12, 7));
    EXPECT_TRUE(*ParseDatePattern("07.12.2026", "d.M.yyyy") == D(2026, 12, 7));
    EXPECT_TRUE(*ParseDatePattern("2026-12-07", "yyyy-MM-dd") == D(2026, 12, 7));
    EXPECT_TRUE(*ParseDatePattern("07-dec-26", "dd-MMM-yy") == D(2026, 12, 7));
    EXPECT_TRUE(*ParseDatePattern("07122026", "ddMMyyyy") == D(2026, 12, 7));
    EXPECT_FALSE(ParseDatePattern("12-7-2026", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("12/7", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("12/7/2026x", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("12/7/2026", ""));
}

TEST(DatePatterns, ParseRejectsDatesThatDoNotExist) {
    EXPECT_FALSE(ParseDatePattern("2/29/2026", "M/d/yyyy"));
    EXPECT_TRUE(ParseDatePattern("2/29/2028", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("13/1/2026", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("0/1/2026", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("4/31/2026", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("123/1/2026", "M/d/yyyy"));
    EXPECT_FALSE(ParseDatePattern("1/1/12026", "M/d/yyyy"));
}

TEST(DatePatterns, TwoDigitYearsFollowTheWindowsRule) {
    EXPECT_EQ(2029, ParseDatePattern("1/1/29", "M/d/yyyy")->Year);
    EXPECT_EQ(1930, ParseDatePattern("1/1/30", "M/d/yy")->Year);
    EXPECT_EQ(1999, ParseDatePattern("1/1/99", "M/d/yy")->Year);
    EXPECT_EQ(2026, ParseDatePattern("1/1/2026", "M/d/yy")->Year);
}

TEST(DatePatterns, FormattedDatesReadBackInEveryPattern) {
    for (const char* pattern :
         {"M/d/yyyy", "dd/MM/yyyy", "d.M.yyyy", "yyyy-MM-dd", "dd-MMM-yyyy", "dddd, MMMM d, yyyy", "d/M/yy"}) {
        for (long day = DaysFromCivil(D(1931, 1, 1)); day < DaysFromCivil(D(2029, 12, 31)); day += 97) {
            CivilDate date = CivilFromDays(day);
            auto back = ParseDatePattern(FormatDatePattern(date, pattern), pattern);
            ASSERT_TRUE(back.has_value()) << pattern << " " << FormatDatePattern(date, pattern);
            EXPECT_TRUE(*back == date) << pattern;
        }
    }
}

TEST(ReadDate, ShortPatternFirstThenTheSystemParser) {
    FakeCalendar calendar(D(2026, 12, 7), "dd/MM/yyyy");
    EXPECT_TRUE(*ReadDate("07/12/2026", calendar) == D(2026, 12, 7));
    EXPECT_EQ(0, calendar.SystemParseCalls);
    EXPECT_TRUE(*ReadDate("2026-12-07", calendar) == D(2026, 12, 7));
    EXPECT_EQ(1, calendar.SystemParseCalls);
    calendar.SystemDates["7 Dec"] = D(2026, 12, 7);
    EXPECT_TRUE(ReadDate("7 Dec", calendar).has_value());
    EXPECT_FALSE(ReadDate("never", calendar));
    EXPECT_FALSE(ReadDate("", calendar));
    EXPECT_FALSE(ReadDate("   ", calendar));
}

TEST(ReadDate, PlainNumbersNeverReadAsDates) {
    FakeCalendar calendar;
    for (const char* number : {"7", "-1", "30", "0", "-4", " 12 ", "1.5", "20261207"})
        calendar.SystemDates[number] = D(2026, 1, 1);  // even a parser that would take them
    for (const char* number : {"7", "-1", "30", "0", "-4", " 12 ", "1.5", "20261207"})
        EXPECT_FALSE(ReadDate(number, calendar)) << number;
}

TEST(ReadDate, SystemAnswersOutsideTheDateRangeAreRefused) {
    FakeCalendar calendar;
    calendar.SystemDates["far"] = D(12000, 1, 1);
    EXPECT_FALSE(ReadDate("far", calendar));
}

TEST(WeekdayNames, FullOrAbbreviatedNameInAnyCaseAndTextIsLowered) {
    FakeCalendar calendar;
    std::string text = "Monday";
    EXPECT_TRUE(IsWeekdayName(text, calendar));
    EXPECT_EQ("monday", text);
    text = "SAT";
    EXPECT_TRUE(IsWeekdayName(text, calendar));
    EXPECT_EQ("sat", text);
    for (const char* other : {"mond", "", "mo", "today", " monday"}) {
        text = other;
        EXPECT_FALSE(IsWeekdayName(text, calendar)) << other;
    }
}

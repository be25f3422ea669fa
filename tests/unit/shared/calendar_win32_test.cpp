// The regional settings as Windows (or Wine) reports them. These tests read
// the locale first and check that our reading agrees with the system's own
// formatting and parsing, whatever the locale is.
#include "shared/calendar_win32.h"

#include <gtest/gtest.h>

namespace {

CivilDate D(int year, int month, int day) {
    CivilDate date;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    return date;
}

SYSTEMTIME SystemTimeOf(const CivilDate& date) {
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(date.Year);
    st.wMonth = static_cast<WORD>(date.Month);
    st.wDay = static_cast<WORD>(date.Day);
    st.wDayOfWeek = static_cast<WORD>(WeekdayOf(date));
    return st;
}

std::string SystemFormat(const CivilDate& date, DWORD flags, const char* picture) {
    SYSTEMTIME st = SystemTimeOf(date);
    char buffer[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, flags, &st, picture, buffer, sizeof buffer);
    return buffer;
}

const CivilDate kSamples[] = {D(2026, 12, 7), D(2026, 1, 2), D(1999, 11, 30), D(2030, 2, 28),
                              D(2028, 2, 29), D(1931, 7, 4), D(2100, 10, 10)};

}  // namespace

TEST(Win32Calendar, ShortDatesFormatAsTheSystemFormatsThem) {
    Win32Calendar calendar;
    std::string pattern = calendar.ShortDatePattern();
    ASSERT_NE(std::string::npos, pattern.find('d')) << pattern;
    ASSERT_NE(std::string::npos, pattern.find('M')) << pattern;
    ASSERT_NE(std::string::npos, pattern.find('y')) << pattern;
    for (const CivilDate& date : kSamples)
        EXPECT_EQ(SystemFormat(date, DATE_SHORTDATE, nullptr), FormatShortDate(date, calendar)) << pattern;
}

TEST(Win32Calendar, ShortDatesReadBackWithoutTheSystemParser) {
    Win32Calendar calendar;
    for (const CivilDate& date : kSamples) {
        std::string text = FormatShortDate(date, calendar);
        auto back = ParseDatePattern(text, calendar.ShortDatePattern());
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_TRUE(*back == date) << text;
        EXPECT_TRUE(*ReadDate(text, calendar) == date) << text;
    }
}

TEST(Win32Calendar, DayNamesAreTheSystemsMondayFirstNumberingTurnedToSundayFirst) {
    Win32Calendar calendar;
    for (int offset = 0; offset < 7; ++offset) {
        CivilDate date = AddDays(D(2026, 12, 6), offset);  // a Sunday onwards
        int weekday = WeekdayOf(date);
        EXPECT_EQ(SystemFormat(date, 0, "dddd"), calendar.DayName(weekday, false));
        EXPECT_EQ(SystemFormat(date, 0, "ddd"), calendar.DayName(weekday, true));
        std::string name = calendar.DayName(weekday, false);
        EXPECT_TRUE(IsWeekdayName(name, calendar));
    }
    EXPECT_EQ("", calendar.DayName(7, false));
    EXPECT_GE(calendar.FirstDayOfWeek(), 0);
    EXPECT_LE(calendar.FirstDayOfWeek(), 6);
}

TEST(Win32Calendar, TodayIsTheLocalDate) {
    Win32Calendar calendar;
    SYSTEMTIME now;
    GetLocalTime(&now);
    CivilDate today = calendar.Today();
    EXPECT_TRUE(IsValidCivilDate(today));
    EXPECT_EQ(now.wDayOfWeek, WeekdayOf(today));
    EXPECT_LT(calendar.Hour(), 24);
    EXPECT_LT(calendar.Minute(), 60);
}

TEST(Win32Calendar, SystemParserReadsDatesInTheUsersOrder) {
    Win32Calendar calendar;
    const std::string pattern = calendar.ShortDatePattern();
    const bool monthFirst = pattern.find('M') < pattern.find('d');
    auto slashed = calendar.SystemParseDate("12/7/2026");
    ASSERT_TRUE(slashed.has_value());
    EXPECT_TRUE(*slashed == (monthFirst ? D(2026, 12, 7) : D(2026, 7, 12))) << pattern;
    EXPECT_TRUE(*calendar.SystemParseDate("2026-12-07") == D(2026, 12, 7));
    EXPECT_FALSE(calendar.SystemParseDate("garbage"));
    EXPECT_FALSE(calendar.SystemParseDate("13/13/2026"));
    EXPECT_FALSE(calendar.SystemParseDate("2/30/2026"));
    EXPECT_FALSE(calendar.SystemParseDate(""));
    EXPECT_FALSE(calendar.SystemParseDate(std::string(4000, '1')));
}

TEST(Win32Calendar, PlainNumbersAndRangesAreNotDates) {
    Win32Calendar calendar;
    for (const char* text : {"7", "-1", "30", "0", "-4", "1.5"}) EXPECT_FALSE(ReadDate(text, calendar)) << text;
    const std::string first = FormatShortDate(D(2026, 12, 1), calendar);
    const std::string last = FormatShortDate(D(2026, 12, 31), calendar);
    EXPECT_FALSE(ReadDate(first + "-" + last, calendar));
}

// Dates as the programs see them: civil dates, today, and the regional
// settings (short date pattern, weekday names, date parsing) of the user.
#pragma once

#include <optional>
#include <string>

struct CivilDate {
    int Year = 1970;
    int Month = 1;
    int Day = 1;
    bool operator==(const CivilDate& o) const { return Year == o.Year && Month == o.Month && Day == o.Day; }
};

long DaysFromCivil(const CivilDate& date);  // days since 1970-01-01
CivilDate CivilFromDays(long days);
int WeekdayOf(const CivilDate& date);                          // 0 = Sunday ... 6 = Saturday
long DaysBetween(const CivilDate& from, const CivilDate& to);  // to - from
CivilDate AddDays(const CivilDate& date, long days);
CivilDate AddYears(const CivilDate& date, int years);  // Feb 29 -> Feb 28
int DaysInMonth(int year, int month);
// Years 100 to 9999, as the system's dates run; real month and day.
bool IsValidCivilDate(const CivilDate& date);
// A one- or two-digit year as the system reads it: 0-29 are 2000-2029,
// 30-99 are 1930-1999.
int ExpandTwoDigitYear(int year);

// The seam to the system: the clock and the regional settings.
class Calendar {
public:
    virtual ~Calendar() = default;
    virtual CivilDate Today() const = 0;
    virtual int Hour() const = 0;
    virtual int Minute() const = 0;
    // The short date pattern in the system's notation, e.g. "M/d/yyyy".
    virtual std::string ShortDatePattern() const = 0;
    // weekday 0 = Sunday; full or abbreviated name in the user's language.
    virtual std::string DayName(int weekday, bool abbreviated) const = 0;
    // 0 = Sunday ... 6 = Saturday.
    virtual int FirstDayOfWeek() const = 0;
    // The system's own date parser (VarDateFromStr on Windows); used only
    // when the text is not in the short date pattern.
    virtual std::optional<CivilDate> SystemParseDate(const std::string& text) const = 0;
};

// Formats a date in the user's short date pattern. Patterns use the system's
// notation: d dd (day), ddd dddd (weekday name), M MM (month), MMM MMMM
// (English month name), y yy yyyy (year), 'quoted' literal text; any other
// character stands for itself.
std::string FormatShortDate(const CivilDate& date, const Calendar& calendar);
std::string FormatDatePattern(const CivilDate& date, const std::string& pattern);
// Reads a date in the given short date pattern only. Day and month take one
// or two digits, the year one to four (one or two follow ExpandTwoDigitYear);
// separators must be the pattern's own.
std::optional<CivilDate> ParseDatePattern(const std::string& text, const std::string& pattern);
// Reads a date as the system would: the short date pattern first, then the
// system parser. Plain numbers never read as dates.
std::optional<CivilDate> ReadDate(const std::string& text, const Calendar& calendar);
// Lower-cases text in place; true when it is a full or abbreviated weekday name.
bool IsWeekdayName(std::string& text, const Calendar& calendar);

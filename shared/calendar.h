// Dates as the programs see them: civil dates, today, and the regional
// settings (short date pattern, weekday names, date parsing) of the user.
#pragma once

#include <optional>
#include <string>

struct CivilDate {
    int Year = 1970;
    int Month = 1;
    int Day = 1;
    bool operator==(const CivilDate& o) const {
        return Year == o.Year && Month == o.Month && Day == o.Day;
    }
};

long DaysFromCivil(const CivilDate& date);      // days since 1970-01-01
CivilDate CivilFromDays(long days);
int WeekdayOf(const CivilDate& date);           // 0 = Sunday ... 6 = Saturday
long DaysBetween(const CivilDate& from, const CivilDate& to);  // to - from
CivilDate AddDays(const CivilDate& date, long days);
CivilDate AddYears(const CivilDate& date, int years);  // Feb 29 -> Feb 28

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

// Formats a date in the user's short date pattern.
std::string FormatShortDate(const CivilDate& date, const Calendar& calendar);
std::string FormatDatePattern(const CivilDate& date, const std::string& pattern);
// Reads a date in the given short date pattern only.
std::optional<CivilDate> ParseDatePattern(const std::string& text, const std::string& pattern);
// Reads a date as the system would: the short date pattern first, then the
// system parser. Plain numbers never read as dates.
std::optional<CivilDate> ReadDate(const std::string& text, const Calendar& calendar);
// Lower-cases text in place; true when it is a full or abbreviated weekday name.
bool IsWeekdayName(std::string& text, const Calendar& calendar);

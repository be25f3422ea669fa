// Reading cell text as numbers and dates the way the grid's users expect
// from a Visual Basic style program, and writing numbers back as text.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Regional values the formatting and date reading follow. Default() is
// en-US; the window fills one from the system's locale.
struct FormatLocale {
    std::string ShortDatePattern = "M/d/yyyy";
    std::string LongDatePattern = "dddd, MMMM d, yyyy";
    std::string MediumDatePattern = "d-MMM-yy";
    std::string LongTimePattern = "h:mm:ss tt";
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string CurrencySymbol = "$";
    bool CurrencySymbolFirst = true;
    int CurrencyDigits = 2;
    std::string AmText = "AM";
    std::string PmText = "PM";
    std::vector<std::string> DayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    std::vector<std::string> DayAbbrevs{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::vector<std::string> MonthNames{"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
    std::vector<std::string> MonthAbbrevs{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static const FormatLocale& Default();
};

// A point in time: a civil date and a time of day.
struct DateTimeValue {
    int Year = 1899, Month = 12, Day = 30;
    int Hour = 0, Minute = 0, Second = 0;
    bool HasDate = true;
    bool HasTime = false;
};

// True when the trimmed text is a number: optional sign, digits with
// optional thousand separators, decimal part, exponent; optional currency
// symbol; "(5)" reads as -5. Empty text is not numeric. The value is finite.
bool IsNumericText(const std::string& text, double* value = nullptr,
                   const FormatLocale& locale = FormatLocale::Default());
// The leading number of the text ("12abc" -> 12, "x" -> 0), as Val does.
double LeadingValue(const std::string& text);
// Reads a date and/or time: the short date order of the locale (d/m/y parts
// separated by / - . or blank), ISO yyyy-mm-dd, month names, times h:mm[:ss]
// with AM/PM. Plain numbers are not dates. nullopt when it is none.
std::optional<DateTimeValue> ReadDateText(const std::string& text,
                                          const FormatLocale& locale = FormatLocale::Default());
bool IsDateText(const std::string& text, const FormatLocale& locale = FormatLocale::Default());
// Days since 30 Dec 1899 plus the fraction of the day (the OLE date number).
double DateSerialOf(const DateTimeValue& value);
DateTimeValue DateFromSerial(double serial);
DateTimeValue AddDaysTo(const DateTimeValue& value, long days);
// Number as decimal text with up to 15 significant digits, no exponent for
// everyday magnitudes, "-" sign, "." decimal point (as VB's Str without the blank).
std::string NumberText(double value);
// The date in the locale's short date pattern, with the time when it has one.
std::string DateText(const DateTimeValue& value, const FormatLocale& locale = FormatLocale::Default());

#include "shared/calendar.h"

#include <cctype>
#include <functional>

#include "shared/text_routines.h"

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char* const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string PaddedYear(int year, std::size_t width) {
    std::string text = std::to_string(year);
    while (text.size() < width) text = "0" + text;
    return text;
}

// Length of the run of the same character starting at i.
std::size_t RunLength(const std::string& pattern, std::size_t i) {
    std::size_t j = i;
    while (j < pattern.size() && pattern[j] == pattern[i]) ++j;
    return j - i;
}

// Reads a quoted literal starting at the opening quote; "''" is one quote.
// Answers the literal and moves i past the closing quote.
std::string QuotedLiteral(const std::string& pattern, std::size_t& i) {
    std::string literal;
    ++i;
    while (i < pattern.size()) {
        if (pattern[i] == '\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                literal += '\'';
                i += 2;
                continue;
            }
            ++i;
            return literal;
        }
        literal += pattern[i++];
    }
    return literal;
}

using DayNameFn = std::function<std::string(int weekday, bool abbreviated)>;

std::string EnglishDayName(int weekday, bool abbreviated) {
    std::string name = kDayNames[weekday];
    return abbreviated ? name.substr(0, 3) : name;
}

std::string FormatWithNames(const CivilDate& date, const std::string& pattern, const DayNameFn& dayName) {
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        if (c == '\'') {
            out += QuotedLiteral(pattern, i);
            continue;
        }
        std::size_t run = RunLength(pattern, i);
        switch (c) {
        case 'd':
            if (run == 1) out += std::to_string(date.Day);
            else if (run == 2) out += TwoDigits(date.Day);
            else out += dayName(WeekdayOf(date), run == 3);
            break;
        case 'M':
            if (run == 1) out += std::to_string(date.Month);
            else if (run == 2) out += TwoDigits(date.Month);
            else if (run == 3) out += std::string(kMonthNames[date.Month - 1]).substr(0, 3);
            else out += kMonthNames[date.Month - 1];
            break;
        case 'y':
            if (run == 1) out += std::to_string(date.Year % 100);
            else if (run == 2) out += TwoDigits(date.Year % 100);
            else out += PaddedYear(date.Year, 4);
            break;
        case 'g': break;  // era: the Gregorian calendar has only the one
        default: out.append(run, c); break;
        }
        i += run;
    }
    return out;
}

// Reads 1..maxDigits digits at text[pos]; false when there are none.
bool ReadDigits(const std::string& text, std::size_t& pos, std::size_t maxDigits, int* value) {
    std::size_t start = pos;
    int v = 0;
    while (pos < text.size() && pos - start < maxDigits && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        v = v * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start) return false;
    *value = v;
    return true;
}

bool ReadMonthName(const std::string& text, std::size_t& pos, int* month) {
    std::size_t start = pos;
    while (pos < text.size() && std::isalpha(static_cast<unsigned char>(text[pos]))) ++pos;
    std::string word = text.substr(start, pos - start);
    for (int m = 0; m < 12; ++m) {
        std::string name = kMonthNames[m];
        if (EqualsNoCase(word, name) || EqualsNoCase(word, name.substr(0, 3))) {
            *month = m + 1;
            return true;
        }
    }
    return false;
}

bool ReadLetters(const std::string& text, std::size_t& pos) {
    std::size_t start = pos;
    while (pos < text.size() && !std::isdigit(static_cast<unsigned char>(text[pos])) && text[pos] != ' ' &&
           text[pos] != ',' && text[pos] != '/' && text[pos] != '.' && text[pos] != '-')
        ++pos;
    return pos > start;
}

bool MatchLiteral(const std::string& text, std::size_t& pos, const std::string& literal) {
    if (text.compare(pos, literal.size(), literal) != 0) return false;
    pos += literal.size();
    return true;
}

}  // namespace

long DaysFromCivil(const CivilDate& date) {
    long y = date.Year;
    const long m = date.Month;
    const long d = date.Day;
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    CivilDate date;
    date.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.Year = static_cast<int>(yoe + era * 400 + (date.Month <= 2));
    return date;
}

int WeekdayOf(const CivilDate& date) {
    long days = DaysFromCivil(date);
    return static_cast<int>(((days % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
}

long DaysBetween(const CivilDate& from, const CivilDate& to) { return DaysFromCivil(to) - DaysFromCivil(from); }

CivilDate AddDays(const CivilDate& date, long days) { return CivilFromDays(DaysFromCivil(date) + days); }

CivilDate AddYears(const CivilDate& date, int years) {
    CivilDate out = date;
    out.Year += years;
    int last = DaysInMonth(out.Year, out.Month);
    if (out.Day > last) out.Day = last;
    return out;
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[month - 1];
}

bool IsValidCivilDate(const CivilDate& date) {
    return date.Year >= 100 && date.Year <= 9999 && date.Month >= 1 && date.Month <= 12 && date.Day >= 1 &&
           date.Day <= DaysInMonth(date.Year, date.Month);
}

int ExpandTwoDigitYear(int year) {
    if (year < 0 || year > 99) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::string FormatShortDate(const CivilDate& date, const Calendar& calendar) {
    return FormatWithNames(date, calendar.ShortDatePattern(), [&calendar](int weekday, bool abbreviated) {
        return calendar.DayName(weekday, abbreviated);
    });
}

std::string FormatDatePattern(const CivilDate& date, const std::string& pattern) {
    return FormatWithNames(date, pattern, EnglishDayName);
}

std::optional<CivilDate> ParseDatePattern(const std::string& text, const std::string& pattern) {
    const std::string t = Trim(text);
    if (t.empty() || pattern.empty()) return std::nullopt;
    int day = -1, month = -1, year = -1;
    std::size_t pos = 0, i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        if (c == '\'') {
            if (!MatchLiteral(t, pos, QuotedLiteral(pattern, i))) return std::nullopt;
            continue;
        }
        std::size_t run = RunLength(pattern, i);
        i += run;
        switch (c) {
        case 'd':
            if (run <= 2) {
                if (!ReadDigits(t, pos, 2, &day)) return std::nullopt;
            } else if (!ReadLetters(t, pos)) {
                return std::nullopt;  // the weekday name is read past, not checked
            }
            break;
        case 'M':
            if (run <= 2) {
                if (!ReadDigits(t, pos, 2, &month)) return std::nullopt;
            } else if (!ReadMonthName(t, pos, &month)) {
                return std::nullopt;
            }
            break;
        case 'y': {
            std::size_t start = pos;
            if (!ReadDigits(t, pos, 4, &year)) return std::nullopt;
            if (pos - start <= 2) year = ExpandTwoDigitYear(year);
            break;
        }
        case 'g': break;
        case ' ':
            // Spaces in the pattern take any run of spaces, none included.
            while (pos < t.size() && t[pos] == ' ') ++pos;
            break;
        default:
            if (!MatchLiteral(t, pos, std::string(run, c))) return std::nullopt;
            break;
        }
    }
    if (pos != t.size() || day < 0 || month < 0 || year < 0) return std::nullopt;
    CivilDate date;
    date.Year = year;
    date.Month = month;
    date.Day = day;
    if (!IsValidCivilDate(date)) return std::nullopt;
    return date;
}

std::optional<CivilDate> ReadDate(const std::string& text, const Calendar& calendar) {
    const std::string t = Trim(text);
    if (t.empty() || ReadsAsNumber(t)) return std::nullopt;
    if (auto date = ParseDatePattern(t, calendar.ShortDatePattern())) return date;
    auto date = calendar.SystemParseDate(t);
    if (date && !IsValidCivilDate(*date)) return std::nullopt;
    return date;
}

bool IsWeekdayName(std::string& text, const Calendar& calendar) {
    text = ToLower(text);
    if (text.empty()) return false;
    for (int weekday = 0; weekday < 7; ++weekday) {
        if (text == ToLower(calendar.DayName(weekday, false)) || text == ToLower(calendar.DayName(weekday, true)))
            return true;
    }
    return false;
}

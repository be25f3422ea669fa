// Dates in the locale's pattern notation.
#include "admin/grid/locale_patterns.h"

#include <cstdio>

namespace {

std::string Num(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

std::string NameAt(const std::vector<std::string>& names, int index) {
    return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<size_t>(index)] : std::string();
}

}  // namespace

int MonthLength(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

int WeekdayOfDate(int year, int month, int day) {
    // Sakamoto's method.
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    int y = year - (month < 3);
    return (y + y / 4 - y / 100 + y / 400 + t[month - 1] + day) % 7;
}

int DayOfYear(int year, int month, int day) {
    int n = day;
    for (int m = 1; m < month && m <= 12; ++m) n += MonthLength(year, m);
    return n;
}

DateOrder ShortDateOrder(const std::string& pattern) {
    for (char c : pattern) {
        if (c == 'd' || c == 'D') return DateOrder::DayMonthYear;
        if (c == 'M' || c == 'm') return DateOrder::MonthDayYear;
        if (c == 'y' || c == 'Y') return DateOrder::YearMonthDay;
    }
    return DateOrder::MonthDayYear;
}

std::string FormatLocalePattern(const DateTimeValue& v, const std::string& pattern, const FormatLocale& locale) {
    std::string out;
    size_t i = 0;
    while (i < pattern.size() && out.size() < 256) {
        char c = pattern[i];
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        switch (c) {
        case 'd':
            if (run == 1) out += Num(v.Day, 1);
            else if (run == 2) out += Num(v.Day, 2);
            else if (run == 3) out += NameAt(locale.DayAbbrevs, WeekdayOfDate(v.Year, v.Month, v.Day));
            else out += NameAt(locale.DayNames, WeekdayOfDate(v.Year, v.Month, v.Day));
            break;
        case 'M':
            if (run == 1) out += Num(v.Month, 1);
            else if (run == 2) out += Num(v.Month, 2);
            else if (run == 3) out += NameAt(locale.MonthAbbrevs, v.Month - 1);
            else out += NameAt(locale.MonthNames, v.Month - 1);
            break;
        case 'y':
            if (run <= 2) out += Num(v.Year % 100, run == 1 ? 1 : 2);
            else out += Num(v.Year, 4);
            break;
        case 'h': out += Num(v.Hour % 12 == 0 ? 12 : v.Hour % 12, run >= 2 ? 2 : 1); break;
        case 'H': out += Num(v.Hour, run >= 2 ? 2 : 1); break;
        case 'm': out += Num(v.Minute, run >= 2 ? 2 : 1); break;
        case 's': out += Num(v.Second, run >= 2 ? 2 : 1); break;
        case 't': {
            std::string marker = v.Hour < 12 ? locale.AmText : locale.PmText;
            out += run == 1 ? marker.substr(0, 1) : marker;
            break;
        }
        case '\'': {
            size_t end = pattern.find('\'', i + 1);
            if (end == std::string::npos) end = pattern.size();
            out += pattern.substr(i + 1, end - i - 1);
            run = end + 1 - i;
            break;
        }
        default: out.append(run, c); break;
        }
        i += run;
    }
    return out;
}

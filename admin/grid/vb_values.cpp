// Numbers and dates in cell text.
#include "admin/grid/vb_values.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "admin/grid/locale_patterns.h"
#include "shared/text_routines.h"

const FormatLocale& FormatLocale::Default() {
    static const FormatLocale locale;
    return locale;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Digits of a number with its decimal part and exponent, normalised to the
// C notation, read from text[pos..]; advances pos. False when no digit.
bool ScanNumber(const std::string& t, size_t& pos, char decimalSep, char thousandSep, bool allowThousands,
                std::string& out) {
    bool digits = false;
    size_t i = pos;
    while (i < t.size()) {
        char c = t[i];
        if (IsDigit(c)) {
            out += c;
            digits = true;
        } else if (allowThousands && c == thousandSep && digits && thousandSep != decimalSep) {
            // separators only between digits of the whole part
            if (i + 1 >= t.size() || !IsDigit(t[i + 1])) break;
        } else {
            break;
        }
        ++i;
    }
    if (i < t.size() && t[i] == decimalSep) {
        out += '.';
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            out += t[i++];
            digits = true;
        }
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp += t[j++];
        size_t startDigits = j;
        while (j < t.size() && IsDigit(t[j]) && j - startDigits < 6) exp += t[j++];
        if (j > startDigits) {
            while (j < t.size() && IsDigit(t[j])) ++j;  // absurd exponents: overflow below
            out += exp;
            if (j - startDigits >= 6) out += "999";
            i = j;
        }
    }
    pos = i;
    return true;
}

int TwoDigitYear(int y) { return y < 30 ? 2000 + y : 1900 + y; }

bool ValidDate(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    return d <= MonthLength(y, m);
}

// Month number 1..12 for a full or abbreviated (3+ letters prefix) name.
int MonthOfName(const std::string& word, const FormatLocale& locale) {
    std::string w = ToLower(word);
    if (w.size() < 3) return 0;
    for (size_t i = 0; i < locale.MonthNames.size() && i < 12; ++i) {
        if (ToLower(locale.MonthNames[i]) == w) return static_cast<int>(i) + 1;
        if (i < locale.MonthAbbrevs.size() && ToLower(locale.MonthAbbrevs[i]) == w) return static_cast<int>(i) + 1;
        std::string full = ToLower(locale.MonthNames[i]);
        if (full.compare(0, w.size(), w) == 0) return static_cast<int>(i) + 1;
    }
    return 0;
}

bool IsDayName(const std::string& word, const FormatLocale& locale) {
    std::string w = ToLower(word);
    for (size_t i = 0; i < locale.DayNames.size(); ++i)
        if (ToLower(locale.DayNames[i]) == w) return true;
    for (size_t i = 0; i < locale.DayAbbrevs.size(); ++i)
        if (ToLower(locale.DayAbbrevs[i]) == w) return true;
    return false;
}

// "h:mm[:ss] [AM|PM]" with separators ':' (or the locale's).
bool ReadTime(const std::string& text, const FormatLocale& locale, DateTimeValue& v) {
    std::string t = TrimBlanks(text);
    int pm = -1;
    std::string lower = ToLower(t);
    auto endsWith = [&](const std::string& suffix) {
        std::string s = ToLower(suffix);
        return !s.empty() && lower.size() >= s.size() && lower.compare(lower.size() - s.size(), s.size(), s) == 0;
    };
    if (endsWith(locale.PmText) || endsWith("pm")) {
        pm = 1;
        t = TrimBlanks(t.substr(0, t.size() - (endsWith(locale.PmText) ? locale.PmText.size() : 2)));
    } else if (endsWith(locale.AmText) || endsWith("am")) {
        pm = 0;
        t = TrimBlanks(t.substr(0, t.size() - (endsWith(locale.AmText) ? locale.AmText.size() : 2)));
    }
    int parts[3] = {0, 0, 0};
    int count = 0;
    size_t i = 0;
    while (i <= t.size() && count < 3) {
        size_t start = i;
        while (i < t.size() && IsDigit(t[i]) && i - start < 3) ++i;
        if (i == start) return false;
        parts[count++] = std::atoi(t.substr(start, i - start).c_str());
        if (i == t.size()) break;
        if (t[i] != ':' && t[i] != locale.TimeSeparator) return false;
        ++i;
    }
    if (i != t.size() || count < 2) return false;
    int h = parts[0];
    if (pm >= 0) {
        if (h < 1 || h > 12) return false;
        h = h % 12 + (pm == 1 ? 12 : 0);
    }
    if (h > 23 || parts[1] > 59 || parts[2] > 59) return false;
    v.Hour = h;
    v.Minute = parts[1];
    v.Second = parts[2];
    v.HasTime = true;
    return true;
}

// Date part: numbers and at most one month name, separated by / - . , or blanks.
bool ReadDatePart(const std::string& text, const FormatLocale& locale, DateTimeValue& v) {
    std::vector<std::string> tokens;
    std::vector<bool> numeric;
    std::string cur;
    auto flush = [&]() {
        if (!cur.empty()) {
            bool num = IsDigit(cur[0]);
            tokens.push_back(cur);
            numeric.push_back(num);
            cur.clear();
        }
    };
    for (char c : text) {
        if (c == '/' || c == '-' || c == '.' || c == ',' || c == ' ' || c == locale.DateSeparator) {
            flush();
        } else if (IsDigit(c)) {
            if (!cur.empty() && !IsDigit(cur[0])) flush();
            cur += c;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) {
            if (!cur.empty() && IsDigit(cur[0])) flush();
            cur += c;
        } else {
            return false;
        }
        if (cur.size() > 12 || tokens.size() > 4) return false;
    }
    flush();
    // A leading weekday name ("Monday, December 7, 2026") is allowed.
    if (!tokens.empty() && !numeric[0] && IsDayName(tokens[0], locale)) {
        tokens.erase(tokens.begin());
        numeric.erase(numeric.begin());
    }
    if (tokens.size() != 3) return false;
    int month = 0, nameAt = -1;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!numeric[i]) {
            if (nameAt >= 0) return false;
            month = MonthOfName(tokens[i], locale);
            if (month == 0) return false;
            nameAt = static_cast<int>(i);
        }
    }
    std::vector<int> nums;
    std::vector<size_t> lens;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (numeric[i]) {
            nums.push_back(std::atoi(tokens[i].c_str()));
            lens.push_back(tokens[i].size());
        }
    int y = 0, m = 0, d = 0;
    size_t yearLen = 0;
    if (nameAt >= 0) {
        m = month;
        // "7 Dec 2026", "Dec 7 2026", "2026 Dec 7"
        if (lens[0] >= 3) {
            y = nums[0];
            yearLen = lens[0];
            d = nums[1];
        } else {
            d = nums[0];
            y = nums[1];
            yearLen = lens[1];
        }
    } else if (lens[0] >= 3) {
        y = nums[0];
        yearLen = lens[0];
        m = nums[1];
        d = nums[2];
    } else {
        DateOrder order = ShortDateOrder(locale.ShortDatePattern);
        if (order == DateOrder::DayMonthYear) {
            d = nums[0];
            m = nums[1];
        } else if (order == DateOrder::YearMonthDay) {
            y = nums[0];
            m = nums[1];
            d = nums[2];
            yearLen = lens[0];
        } else {
            m = nums[0];
            d = nums[1];
        }
        if (order != DateOrder::YearMonthDay) {
            y = nums[2];
            yearLen = lens[2];
        }
    }
    if (yearLen <= 2) y = TwoDigitYear(y);
    else if (yearLen != 4) return false;
    if (!ValidDate(y, m, d)) return false;
    v.Year = y;
    v.Month = m;
    v.Day = d;
    v.HasDate = true;
    return true;
}

long DaysFromCivilDate(int y, int m, int d) {
    y -= m <= 2;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDayCount(long z, int& y, int& m, int& d) {
    z += 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long yy = yoe + era * 400;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const long kSerialEpoch = DaysFromCivilDate(1899, 12, 30);

}  // namespace

bool IsNumericText(const std::string& text, double* value, const FormatLocale& locale) {
    std::string t = TrimBlanks(text);
    if (t.empty() || t.size() > 400) return false;
    size_t pos = 0;
    bool negative = false, paren = false, sign = false;
    auto skipSpaces = [&]() {
        while (pos < t.size() && IsSpace(t[pos])) ++pos;
    };
    auto skipCurrency = [&]() {
        if (!locale.CurrencySymbol.empty() &&
            t.compare(pos, locale.CurrencySymbol.size(), locale.CurrencySymbol) == 0) {
            pos += locale.CurrencySymbol.size();
            skipSpaces();
        }
    };
    if (t[pos] == '(') {
        paren = true;
        ++pos;
        skipSpaces();
    }
    skipCurrency();
    if (pos < t.size() && (t[pos] == '-' || t[pos] == '+')) {
        negative = t[pos] == '-';
        sign = true;
        ++pos;
        skipSpaces();
    }
    skipCurrency();
    std::string digits;
    if (!ScanNumber(t, pos, locale.DecimalSeparator, locale.ThousandSeparator, true, digits)) return false;
    skipSpaces();
    skipCurrency();
    if (!sign && pos < t.size() && (t[pos] == '-' || t[pos] == '+')) {  // trailing sign
        negative = t[pos] == '-';
        ++pos;
        skipSpaces();
    }
    if (paren) {
        if (pos >= t.size() || t[pos] != ')' || sign) return false;
        ++pos;
        negative = true;
    }
    if (pos != t.size()) return false;
    double v = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    if (value) *value = negative ? -v : v;
    return true;
}

double LeadingValue(const std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && (IsSpace(text[pos]) || text[pos] == '\n' || text[pos] == '\r')) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
    std::string digits;
    if (!ScanNumber(text, pos, '.', ',', false, digits)) return 0;
    double v = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(v)) return 0;
    return negative ? -v : v;
}

std::optional<DateTimeValue> ReadDateText(const std::string& text, const FormatLocale& locale) {
    std::string t = TrimBlanks(text);
    if (t.empty() || t.size() > 64) return std::nullopt;
    if (IsNumericText(t, nullptr, locale)) return std::nullopt;
    DateTimeValue v;
    v.HasDate = false;
    if (ReadTime(t, locale, v)) return v;
    // The time, when any, follows the date after a blank and holds a ':'.
    size_t colon = t.find(':');
    std::string datePart = t, timePart;
    if (colon != std::string::npos) {
        size_t blank = t.rfind(' ', colon);
        if (blank == std::string::npos) return std::nullopt;
        datePart = TrimBlanks(t.substr(0, blank));
        timePart = t.substr(blank + 1);
    }
    if (!ReadDatePart(datePart, locale, v)) return std::nullopt;
    if (!timePart.empty() && !ReadTime(timePart, locale, v)) return std::nullopt;
    return v;
}

bool IsDateText(const std::string& text, const FormatLocale& locale) { return ReadDateText(text, locale).has_value(); }

double DateSerialOf(const DateTimeValue& value) {
    double days =
        value.HasDate ? static_cast<double>(DaysFromCivilDate(value.Year, value.Month, value.Day) - kSerialEpoch) : 0.0;
    double frac = (value.Hour * 3600.0 + value.Minute * 60.0 + value.Second) / 86400.0;
    return days + frac;
}

DateTimeValue DateFromSerial(double serial) {
    DateTimeValue v;
    if (!std::isfinite(serial) || serial > 2958465.0 || serial < -657434.0) serial = 0;
    double whole = std::floor(serial);
    double frac = serial - whole;
    CivilFromDayCount(static_cast<long>(whole) + kSerialEpoch, v.Year, v.Month, v.Day);
    long secs = std::lround(frac * 86400.0);
    if (secs >= 86400) secs = 86399;
    v.Hour = static_cast<int>(secs / 3600);
    v.Minute = static_cast<int>((secs / 60) % 60);
    v.Second = static_cast<int>(secs % 60);
    v.HasTime = secs != 0;
    return v;
}

DateTimeValue AddDaysTo(const DateTimeValue& value, long days) {
    DateTimeValue v = value;
    long n = DaysFromCivilDate(value.Year, value.Month, value.Day) + days;
    CivilFromDayCount(n, v.Year, v.Month, v.Day);
    if (v.Year < 100 || v.Year > 9999) return value;
    return v;
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    return buf;
}

std::string DateText(const DateTimeValue& value, const FormatLocale& locale) {
    std::string out;
    if (value.HasDate) out = FormatLocalePattern(value, locale.ShortDatePattern, locale);
    if (value.HasTime) {
        if (!out.empty()) out += ' ';
        out += FormatLocalePattern(value, locale.LongTimePattern, locale);
    }
    return out;
}

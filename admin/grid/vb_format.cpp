// The general formatting function (see vb_format.h for the patterns).
#include "admin/grid/vb_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "admin/grid/locale_patterns.h"
#include "shared/text_routines.h"

namespace {

constexpr int kMaxFractionDigits = 30;
constexpr size_t kMaxFormatPattern = 255;  // longer patterns are not formats

// Sections split at ";" outside quotes and escapes.
std::vector<std::string> Sections(const std::string& pattern) {
    std::vector<std::string> out(1);
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '"') {
            size_t end = pattern.find('"', i + 1);
            if (end == std::string::npos) end = pattern.size() - 1;
            out.back() += pattern.substr(i, end - i + 1);
            i = end;
        } else if (c == '\\' && i + 1 < pattern.size()) {
            out.back() += pattern.substr(i, 2);
            ++i;
        } else if (c == ';') {
            if (out.size() == 4) break;
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

// Visits each character of a section outside quotes and escapes; literal
// text (quoted or escaped) goes to onLiteral.
template <class Plain, class Literal>
void Walk(const std::string& s, Plain onPlain, Literal onLiteral) {
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            size_t end = s.find('"', i + 1);
            if (end == std::string::npos) end = s.size();
            onLiteral(s.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '\\') {
            if (i + 1 < s.size()) onLiteral(std::string(1, s[++i]));
        } else {
            i = onPlain(i);
        }
    }
}

enum class PatternKind { None, Number, Date, Text };

PatternKind Classify(const std::string& section) {
    bool number = false, date = false, text = false, caseOnly = false;
    Walk(
        section,
        [&](size_t i) {
            char c = ToLowerChar(section[i]);
            if (c == '@' || c == '&' || c == '!') text = true;
            else if (c == '<' || c == '>') caseOnly = true;
            else if (c == '0' || c == '#') number = true;
            else if (c == 'e' && i + 1 < section.size() && (section[i + 1] == '+' || section[i + 1] == '-'))
                number = true;
            else if (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's' || c == 'w' || c == 'q' ||
                     c == 'c' || c == 't')
                date = true;
            else if (c == 'a' && (ToLower(section.substr(i, 5)) == "am/pm" || ToLower(section.substr(i, 3)) == "a/p" ||
                                  ToLower(section.substr(i, 4)) == "ampm"))
                date = true;
            return i;
        },
        [](const std::string&) {});
    if (text) return PatternKind::Text;
    if (date && !number) return PatternKind::Date;
    if (number) return PatternKind::Number;
    if (caseOnly) return PatternKind::Text;
    return PatternKind::None;
}

void Append(std::string& out, const std::string& more) {
    if (out.size() < kMaxFormatOutput) out += more.substr(0, kMaxFormatOutput - out.size());
}
void Append(std::string& out, char c) {
    if (out.size() < kMaxFormatOutput) out += c;
}

// ---------------- numbers ----------------

struct NumberLayout {
    int IntPlaces = 0, IntZeros = 0;    // placeholders before the point
    int FracPlaces = 0, FracZeros = 0;  // after it
    bool HasPoint = false;
    bool Thousands = false;
    int Scale = 0;  // commas dividing by 1000
    int Percent = 0;
    bool HasExponent = false;
    int ExpZeros = 0;
};

NumberLayout Analyse(const std::string& s) {
    NumberLayout L;
    bool inFrac = false, inExp = false, seenIntZero = false;
    int pendingCommas = 0;  // commas seen after the last integer placeholder
    Walk(
        s,
        [&](size_t i) {
            char c = s[i];
            if ((c == 'e' || c == 'E') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') && !inExp) {
                inExp = true;
                L.HasExponent = true;
                if (!inFrac) {
                    L.Scale += pendingCommas;
                    pendingCommas = 0;
                }
                return i + 1;
            }
            if (c == '0' || c == '#') {
                if (inExp) {
                    if (c == '0') ++L.ExpZeros;
                } else if (inFrac) {
                    ++L.FracPlaces;
                    if (c == '0') L.FracZeros = L.FracPlaces;
                } else {
                    if (pendingCommas > 0 && L.IntPlaces > 0) L.Thousands = true;
                    pendingCommas = 0;
                    ++L.IntPlaces;
                    if (c == '0') seenIntZero = true;
                    if (seenIntZero) ++L.IntZeros;
                }
            } else if (c == '.' && !inFrac && !inExp) {
                inFrac = true;
                L.HasPoint = true;
                L.Scale += pendingCommas;
                pendingCommas = 0;
            } else if (c == ',' && !inFrac && !inExp) {
                if (L.IntPlaces > 0) ++pendingCommas;
            } else if (c == '%') {
                ++L.Percent;
            }
            return i;
        },
        [](const std::string&) {});
    if (!inFrac && !inExp) L.Scale += pendingCommas;
    if (L.FracPlaces > kMaxFractionDigits) L.FracPlaces = kMaxFractionDigits;
    if (L.FracZeros > kMaxFractionDigits) L.FracZeros = kMaxFractionDigits;
    if (L.Percent > 4) L.Percent = 4;
    return L;
}

// |v| rounded half away from zero to `frac` digits, as whole and fraction digits.
void Digits(double v, int frac, std::string& whole, std::string& fraction) {
    v = std::fabs(v);
    char buf[400];
    double scaled = v * std::pow(10.0, frac);
    if (frac <= 15 && scaled < 1e15) {
        double r = std::floor(scaled + 0.5 + 1e-9);
        std::snprintf(buf, sizeof buf, "%.0f", r);
        std::string all = buf;
        if (static_cast<int>(all.size()) <= frac) all.insert(0, static_cast<size_t>(frac) + 1 - all.size(), '0');
        whole = all.substr(0, all.size() - static_cast<size_t>(frac));
        fraction = all.substr(all.size() - static_cast<size_t>(frac));
    } else {
        std::snprintf(buf, sizeof buf, "%.*f", frac, v);
        std::string all = buf;
        size_t point = all.find('.');
        whole = all.substr(0, point);
        fraction = point == std::string::npos ? std::string() : all.substr(point + 1);
    }
}

std::string FormatNumberSection(double value, const std::string& s, const FormatLocale& locale, bool minusFirst) {
    NumberLayout L = Analyse(s);
    double v = std::fabs(value);
    for (int i = 0; i < L.Percent; ++i) v *= 100;
    for (int i = 0; i < L.Scale && i < 4; ++i) v /= 1000;
    int exponent = 0;
    if (L.HasExponent && v != 0 && std::isfinite(v)) {
        int intDigits = L.IntPlaces > 0 ? L.IntPlaces : 1;
        exponent = static_cast<int>(std::floor(std::log10(v))) - (intDigits - 1);
        double mant = v / std::pow(10.0, exponent);
        // Rounding may carry into one more whole digit.
        std::string w, f;
        Digits(mant, L.FracPlaces, w, f);
        if (static_cast<int>(w.size()) > intDigits) ++exponent;
        v = v / std::pow(10.0, exponent);
    }
    if (!std::isfinite(v)) v = 0;
    std::string whole, frac;
    Digits(v, L.FracPlaces, whole, frac);
    while (static_cast<int>(frac.size()) > L.FracZeros && !frac.empty() && frac.back() == '0') frac.pop_back();
    if (whole == "0" && L.IntZeros == 0) whole.clear();
    if (static_cast<int>(whole.size()) < L.IntZeros)
        whole.insert(0, static_cast<size_t>(L.IntZeros) - whole.size(), '0');

    std::string out;
    if (minusFirst) out += '-';
    int intIndex = 0, fracIndex = 0;
    const int digitCount = static_cast<int>(whole.size());
    auto emitWholeDigit = [&](int k) {  // k: index into `whole`
        Append(out, whole[static_cast<size_t>(k)]);
        int fromRight = digitCount - 1 - k;
        if (L.Thousands && fromRight > 0 && fromRight % 3 == 0) Append(out, locale.ThousandSeparator);
    };
    bool inFrac = false;
    Walk(
        s,
        [&](size_t i) {
            char c = s[i];
            if ((c == 'e' || c == 'E') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
                if (!L.HasExponent) return i + 1;
                Append(out, c);
                if (exponent < 0) Append(out, '-');
                else if (s[i + 1] == '+') Append(out, '+');
                char buf[16];
                std::snprintf(buf, sizeof buf, "%0*d", L.ExpZeros > 9 ? 9 : L.ExpZeros, std::abs(exponent));
                Append(out, buf);
                // skip the exponent's placeholders
                size_t j = i + 2;
                while (j < s.size() && (s[j] == '0' || s[j] == '#')) ++j;
                return j - 1;
            }
            if (c == '0' || c == '#') {
                if (inFrac) {
                    if (fracIndex < static_cast<int>(frac.size())) Append(out, frac[static_cast<size_t>(fracIndex)]);
                    ++fracIndex;
                } else {
                    // Placeholder p of IntPlaces gets the digit that lines up
                    // from the right; the first takes any surplus digits.
                    int first = digitCount - (L.IntPlaces - intIndex);
                    if (intIndex == 0)
                        for (int k = 0; k < first; ++k) emitWholeDigit(k);
                    if (first >= 0 && first < digitCount) emitWholeDigit(first);
                    ++intIndex;
                }
            } else if (c == '.' && !inFrac) {
                inFrac = true;
                if (L.IntPlaces == 0)
                    for (int k = 0; k < digitCount; ++k) emitWholeDigit(k);
                Append(out, locale.DecimalSeparator);
            } else if (c == ',') {
                // thousands and scaling are handled above
            } else {
                Append(out, c);
            }
            return i;
        },
        [&](const std::string& lit) { Append(out, lit); });
    return out;
}

std::string FormatNumberPattern(double value, const std::string& pattern, const FormatLocale& locale) {
    std::vector<std::string> sec = Sections(pattern);
    if (Classify(pattern) == PatternKind::None) return NumberText(value);
    const std::string* use = &sec[0];
    bool minus = false;
    if (value < 0) {
        if (sec.size() >= 2 && !sec[1].empty()) use = &sec[1];
        else minus = true;
    } else if (value == 0 && sec.size() >= 3 && !sec[2].empty()) {
        use = &sec[2];
    }
    std::string out = FormatNumberSection(value, *use, locale, minus);
    // "-0.00": the value rounded to zero shows no sign.
    if (minus) {
        bool anyDigit = false;
        for (char c : out)
            if (c >= '1' && c <= '9') anyDigit = true;
        if (!anyDigit) out.erase(0, 1);
    }
    return out;
}

// ---------------- dates ----------------

bool HasAmPm(const std::string& s) {
    std::string l = ToLower(s);
    return l.find("am/pm") != std::string::npos || l.find("a/p") != std::string::npos ||
           l.find("ampm") != std::string::npos;
}

std::string Two(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string FormatDateSection(const DateTimeValue& v, const std::string& s, const FormatLocale& locale) {
    std::string out;
    const bool twelve = HasAmPm(s);
    bool lastWasHour = false;
    auto nameAt = [](const std::vector<std::string>& names, int i) {
        return i >= 0 && i < static_cast<int>(names.size()) ? names[static_cast<size_t>(i)] : std::string();
    };
    const int weekday = WeekdayOfDate(v.Year, v.Month, v.Day);
    const int hour12 = v.Hour % 12 == 0 ? 12 : v.Hour % 12;
    Walk(
        s,
        [&](size_t i) {
            char c = ToLowerChar(s[i]);
            size_t run = 1;  // no token is longer than 6 letters
            while (i + run < s.size() && run < 8 && ToLowerChar(s[i + run]) == c) ++run;
            std::string rest = ToLower(s.substr(i, 5));
            if (c == 'a' && rest == "am/pm") {
                bool upper = s[i] == 'A';
                std::string m = v.Hour < 12 ? locale.AmText : locale.PmText;
                Append(out, upper ? m : ToLower(m));
                return i + 4;
            }
            if (c == 'a' && rest.compare(0, 3, "a/p") == 0) {
                char m = v.Hour < 12 ? 'a' : 'p';
                Append(out, s[i] == 'A' ? ToUpperChar(m) : m);
                return i + 2;
            }
            if (c == 'a' && rest.compare(0, 4, "ampm") == 0) {
                Append(out, v.Hour < 12 ? locale.AmText : locale.PmText);
                return i + 3;
            }
            bool hourToken = false;
            std::string piece;
            switch (c) {
            case 'c':
                piece = DateText(v, locale);
                run = 1;
                break;
            case 'd':
                if (run == 1) piece = std::to_string(v.Day);
                else if (run == 2) piece = Two(v.Day);
                else if (run == 3) piece = nameAt(locale.DayAbbrevs, weekday);
                else if (run == 4) piece = nameAt(locale.DayNames, weekday);
                else if (run == 5) piece = FormatLocalePattern(v, locale.ShortDatePattern, locale);
                else {
                    piece = FormatLocalePattern(v, locale.LongDatePattern, locale);
                    run = 6;
                }
                break;
            case 'w':
                if (run == 1) piece = std::to_string(weekday + 1);
                else {
                    int jan1 = WeekdayOfDate(v.Year, 1, 1);
                    piece = std::to_string((DayOfYear(v.Year, v.Month, v.Day) + jan1 - 1) / 7 + 1);
                    run = 2;
                }
                break;
            case 'm': {
                bool minute = lastWasHour;
                if (!minute) {
                    // "mm:ss": minutes before seconds as well
                    size_t j = i + run;
                    while (j < s.size() && (s[j] == ':' || s[j] == ' ')) ++j;
                    minute = j < s.size() && ToLowerChar(s[j]) == 's' && run <= 2;
                }
                if (minute && run <= 2) piece = run == 1 ? std::to_string(v.Minute) : Two(v.Minute);
                else if (run == 1) piece = std::to_string(v.Month);
                else if (run == 2) piece = Two(v.Month);
                else if (run == 3) piece = nameAt(locale.MonthAbbrevs, v.Month - 1);
                else {
                    piece = nameAt(locale.MonthNames, v.Month - 1);
                    run = 4;
                }
                break;
            }
            case 'n':
                piece = run == 1 ? std::to_string(v.Minute) : Two(v.Minute);
                run = run > 2 ? 2 : run;
                break;
            case 's':
                piece = run == 1 ? std::to_string(v.Second) : Two(v.Second);
                run = run > 2 ? 2 : run;
                break;
            case 'h': {
                int h = twelve ? hour12 : v.Hour;
                piece = run == 1 ? std::to_string(h) : Two(h);
                run = run > 2 ? 2 : run;
                hourToken = true;
                break;
            }
            case 'q':
                piece = std::to_string((v.Month - 1) / 3 + 1);
                run = 1;
                break;
            case 'y':
                if (run == 1) piece = std::to_string(DayOfYear(v.Year, v.Month, v.Day));
                else if (run == 2) piece = Two(v.Year % 100);
                else {
                    piece = std::to_string(v.Year);
                    run = run >= 4 ? 4 : run;
                }
                break;
            case 't':
                if (run >= 5) {
                    piece = FormatLocalePattern(v, locale.LongTimePattern, locale);
                    run = 5;
                } else {
                    piece.assign(run, s[i]);
                }
                break;
            case ':':
                piece = std::string(1, locale.TimeSeparator);
                run = 1;
                break;
            case '/':
                piece = std::string(1, locale.DateSeparator);
                run = 1;
                break;
            default: piece.assign(run, s[i]); break;
            }
            if (c != ':' && c != ' ' && c != '/' && c != '-' && c != '.') lastWasHour = hourToken;
            Append(out, piece);
            return i + run - 1;
        },
        [&](const std::string& lit) { Append(out, lit); });
    return out;
}

// ---------------- text ----------------

std::string FormatTextSection(const std::string& value, const std::string& s) {
    int places = 0;
    bool leftToRight = false, lower = false, upper = false;
    Walk(
        s,
        [&](size_t i) {
            char c = s[i];
            if (c == '@' || c == '&') ++places;
            else if (c == '!') leftToRight = true;
            else if (c == '<') lower = true;
            else if (c == '>') upper = true;
            return i;
        },
        [](const std::string&) {});
    std::string v = value;
    for (auto& ch : v) {
        if (upper) ch = ToUpperChar(ch);
        else if (lower) ch = ToLowerChar(ch);
    }
    if (places == 0) return v;
    const int n = static_cast<int>(v.size());
    // Which value character each placeholder takes (-1: none).
    int surplus = n > places ? n - places : 0;
    std::string out;
    int k = 0;
    Walk(
        s,
        [&](size_t i) {
            char c = s[i];
            if (c == '@' || c == '&') {
                int idx;
                if (leftToRight) idx = k;
                else idx = n - places + k;
                if (!leftToRight && k == 0 && surplus > 0) out += v.substr(0, static_cast<size_t>(surplus));
                if (idx >= 0 && idx < n) out += v[static_cast<size_t>(idx)];
                else if (c == '@') out += ' ';
                ++k;
                if (leftToRight && k == places && surplus > 0) out += v.substr(static_cast<size_t>(places));
            } else if (c != '!' && c != '<' && c != '>') {
                out += c;
            }
            return i;
        },
        [&](const std::string& lit) { out += lit; });
    return out;
}

// ---------------- named formats ----------------

bool NamedNumber(const std::string& name, double v, const FormatLocale& locale, std::string& out) {
    if (name == "general number") {
        out = NumberText(v);
        if (locale.DecimalSeparator != '.')
            for (auto& c : out)
                if (c == '.') c = locale.DecimalSeparator;
        return true;
    }
    if (name == "fixed") {
        out = FormatNumberPattern(v, "0.00", locale);
        return true;
    }
    if (name == "standard") {
        out = FormatNumberPattern(v, "#,##0.00", locale);
        return true;
    }
    if (name == "percent") {
        out = FormatNumberPattern(v, "0.00%", locale);
        return true;
    }
    if (name == "scientific") {
        out = FormatNumberPattern(v, "0.00E+00", locale);
        return true;
    }
    if (name == "yes/no") {
        out = v != 0 ? "Yes" : "No";
        return true;
    }
    if (name == "true/false") {
        out = v != 0 ? "True" : "False";
        return true;
    }
    if (name == "on/off") {
        out = v != 0 ? "On" : "Off";
        return true;
    }
    if (name == "currency") {
        std::string digits = "#,##0";
        if (locale.CurrencyDigits > 0)
            digits +=
                "." + std::string(static_cast<size_t>(locale.CurrencyDigits > 9 ? 9 : locale.CurrencyDigits), '0');
        std::string body = FormatNumberPattern(std::fabs(v), digits, locale);
        std::string withSymbol =
            locale.CurrencySymbolFirst ? locale.CurrencySymbol + body : body + " " + locale.CurrencySymbol;
        out = v < 0 && body.find_first_of("123456789") != std::string::npos ? "(" + withSymbol + ")" : withSymbol;
        return true;
    }
    return false;
}

bool IsNamedDate(const std::string& name) {
    return name == "general date" || name == "long date" || name == "medium date" || name == "short date" ||
           name == "long time" || name == "medium time" || name == "short time";
}

std::string NamedDate(const std::string& name, const DateTimeValue& v, const FormatLocale& locale) {
    if (name == "general date") return DateText(v, locale);
    if (name == "long date") return FormatLocalePattern(v, locale.LongDatePattern, locale);
    if (name == "medium date") return FormatLocalePattern(v, locale.MediumDatePattern, locale);
    if (name == "short date") return FormatLocalePattern(v, locale.ShortDatePattern, locale);
    if (name == "long time") return FormatLocalePattern(v, locale.LongTimePattern, locale);
    if (name == "medium time") return FormatDateSection(v, "hh:nn AM/PM", locale);
    return FormatDateSection(v, "hh:nn", locale);  // short time, 24 hours
}

}  // namespace

std::string VbFormatNumber(double value, const std::string& pattern, const FormatLocale& locale) {
    if (!std::isfinite(value)) return NumberText(value);
    std::string name = ToLower(Trim(pattern));
    std::string out;
    if (NamedNumber(name, value, locale, out)) return out;
    if (IsNamedDate(name)) return NamedDate(name, DateFromSerial(value), locale);
    std::string sec0 = Sections(pattern)[0];
    switch (Classify(sec0)) {
    case PatternKind::Number: return FormatNumberPattern(value, pattern, locale);
    case PatternKind::Date: return FormatDateSection(DateFromSerial(value), sec0, locale);
    case PatternKind::Text: return FormatTextSection(NumberText(value), sec0);
    default: return NumberText(value);
    }
}

std::string VbFormatDate(const DateTimeValue& value, const std::string& pattern, const FormatLocale& locale) {
    std::string name = ToLower(Trim(pattern));
    if (IsNamedDate(name)) return NamedDate(name, value, locale);
    std::string sec0 = Sections(pattern)[0];
    PatternKind kind = Classify(sec0);
    if (kind == PatternKind::Date) return FormatDateSection(value, sec0, locale);
    return DateText(value, locale);
}

std::string VbFormatText(const std::string& value, const std::string& pattern) {
    if (pattern.size() > kMaxFormatPattern) return value;
    std::string sec0 = Sections(pattern)[0];
    if (Classify(sec0) != PatternKind::Text) return value;
    return FormatTextSection(value, sec0);
}

std::string VbFormat(const std::string& value, const std::string& pattern, const FormatLocale& locale) {
    if (Trim(pattern).empty() || Trim(value).empty() || pattern.size() > kMaxFormatPattern) return value;
    std::string name = ToLower(Trim(pattern));
    std::string sec0 = Sections(pattern)[0];
    PatternKind kind = Classify(sec0);
    if (kind == PatternKind::Text && !IsNamedDate(name)) return FormatTextSection(value, sec0);
    double number = 0;
    if (IsNumericText(value, &number, locale)) {
        std::string out;
        if (NamedNumber(name, number, locale, out)) return out;
        if (IsNamedDate(name)) return value;  // a plain number is not a date here
        if (kind == PatternKind::Number) return VbFormatNumber(number, pattern, locale);
        return value;
    }
    if (auto date = ReadDateText(value, locale)) {
        if (IsNamedDate(name) || kind == PatternKind::Date) return VbFormatDate(*date, pattern, locale);
        return value;
    }
    return value;
}

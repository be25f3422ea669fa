#include "shared/calendar_win32.h"

#include <cmath>

namespace {

std::string LocaleText(LCTYPE what) {
    char buffer[128] = {};
    int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buffer, sizeof buffer);
    if (n <= 1) return std::string();
    return std::string(buffer, static_cast<std::size_t>(n - 1));
}

// An OLE date counts days from 1899-12-30; the fraction is the time of day
// and keeps its sign apart from the day (-1.25 is 1899-12-29 06:00).
constexpr long kOleEpochDays = -25569;

using VarDateFromStrFn = HRESULT(WINAPI*)(const wchar_t*, LCID, ULONG, double*);

}  // namespace

CivilDate Win32Calendar::Today() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    CivilDate date;
    date.Year = now.wYear;
    date.Month = now.wMonth;
    date.Day = now.wDay;
    return date;
}

int Win32Calendar::Hour() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour;
}

int Win32Calendar::Minute() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wMinute;
}

std::string Win32Calendar::ShortDatePattern() const {
    std::string pattern = LocaleText(LOCALE_SSHORTDATE);
    return pattern.empty() ? std::string("M/d/yyyy") : pattern;
}

std::string Win32Calendar::DayName(int weekday, bool abbreviated) const {
    if (weekday < 0 || weekday > 6) return std::string();
    // The locale numbers its day names from Monday (1) to Sunday (7).
    int index = weekday == 0 ? 6 : weekday - 1;
    LCTYPE first = abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1;
    return LocaleText(first + index);
}

int Win32Calendar::FirstDayOfWeek() const {
    std::string text = LocaleText(LOCALE_IFIRSTDAYOFWEEK);
    if (text.empty() || text[0] < '0' || text[0] > '6') return 0;
    // The locale counts 0 = Monday; callers count 0 = Sunday.
    return (text[0] - '0' + 1) % 7;
}

std::optional<CivilDate> Win32Calendar::SystemParseDate(const std::string& text) const {
    if (text.empty() || text.size() > 255) return std::nullopt;
    if (!oleaut32Tried_) {
        oleaut32Tried_ = true;
        oleaut32_.Reset(LoadLibraryA("oleaut32.dll"));
    }
    if (!oleaut32_.Valid()) return std::nullopt;
    auto varDateFromStr =
        reinterpret_cast<VarDateFromStrFn>(reinterpret_cast<void*>(GetProcAddress(oleaut32_.Get(), "VarDateFromStr")));
    if (!varDateFromStr) return std::nullopt;

    wchar_t wide[256] = {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide, 255);
    if (n <= 0) return std::nullopt;
    wide[n] = L'\0';
    double value = 0;
    if (FAILED(varDateFromStr(wide, LOCALE_USER_DEFAULT, 0, &value)) || !std::isfinite(value)) return std::nullopt;
    if (value > 3000000.0 || value < -700000.0) return std::nullopt;
    long days = static_cast<long>(std::trunc(value));
    CivilDate date = CivilFromDays(days + kOleEpochDays);
    if (!IsValidCivilDate(date)) return std::nullopt;
    return date;
}

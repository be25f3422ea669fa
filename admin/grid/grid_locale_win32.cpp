// The regional settings as the grid formats and reads them.
#include <windows.h>

#include <cstdlib>

#include "admin/grid/edit_grid_win32.h"

namespace {

std::string LocaleText(LCID regional, LCTYPE type) {
    char buffer[128] = {};
    if (GetLocaleInfoA(regional, type, buffer, sizeof(buffer)) <= 0) return std::string();
    return buffer;
}

void Take(std::string& target, LCID regional, LCTYPE type) {
    std::string value = LocaleText(regional, type);
    if (!value.empty()) target = value;
}

void TakeChar(char& target, LCID regional, LCTYPE type) {
    std::string value = LocaleText(regional, type);
    if (value.size() == 1) target = value[0];
}

}  // namespace

FormatLocale SystemFormatLocale(LCID regional) {
    FormatLocale locale;
    Take(locale.ShortDatePattern, regional, LOCALE_SSHORTDATE);
    Take(locale.LongDatePattern, regional, LOCALE_SLONGDATE);
    Take(locale.LongTimePattern, regional, LOCALE_STIMEFORMAT);
    TakeChar(locale.DecimalSeparator, regional, LOCALE_SDECIMAL);
    TakeChar(locale.ThousandSeparator, regional, LOCALE_STHOUSAND);
    TakeChar(locale.DateSeparator, regional, LOCALE_SDATE);
    TakeChar(locale.TimeSeparator, regional, LOCALE_STIME);
    Take(locale.CurrencySymbol, regional, LOCALE_SCURRENCY);
    const std::string position = LocaleText(regional, LOCALE_ICURRENCY);
    if (!position.empty()) locale.CurrencySymbolFirst = position == "0" || position == "2";
    const std::string digits = LocaleText(regional, LOCALE_ICURRDIGITS);
    if (!digits.empty()) locale.CurrencyDigits = std::atoi(digits.c_str());
    locale.AmText = LocaleText(regional, LOCALE_S1159);
    locale.PmText = LocaleText(regional, LOCALE_S2359);
    // The system numbers days from Monday (SDAYNAME1); the grid from Sunday.
    for (int i = 0; i < 7; ++i) {
        const int system = (i + 6) % 7;
        Take(locale.DayNames[static_cast<size_t>(i)], regional, LOCALE_SDAYNAME1 + system);
        Take(locale.DayAbbrevs[static_cast<size_t>(i)], regional, LOCALE_SABBREVDAYNAME1 + system);
    }
    for (int m = 0; m < 12; ++m) {
        Take(locale.MonthNames[static_cast<size_t>(m)], regional, LOCALE_SMONTHNAME1 + m);
        Take(locale.MonthAbbrevs[static_cast<size_t>(m)], regional, LOCALE_SABBREVMONTHNAME1 + m);
    }
    return locale;
}

// The user's regional settings as the grid formats and reads them.
#include <windows.h>

#include <cstdlib>

#include "admin/grid/edit_grid_win32.h"

namespace {

std::string LocaleText(LCTYPE type) {
    char buffer[128] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer)) <= 0) return std::string();
    return buffer;
}

void Take(std::string& target, LCTYPE type) {
    std::string value = LocaleText(type);
    if (!value.empty()) target = value;
}

void TakeChar(char& target, LCTYPE type) {
    std::string value = LocaleText(type);
    if (value.size() == 1) target = value[0];
}

}  // namespace

FormatLocale SystemFormatLocale() {
    FormatLocale locale;
    Take(locale.ShortDatePattern, LOCALE_SSHORTDATE);
    Take(locale.LongDatePattern, LOCALE_SLONGDATE);
    Take(locale.LongTimePattern, LOCALE_STIMEFORMAT);
    TakeChar(locale.DecimalSeparator, LOCALE_SDECIMAL);
    TakeChar(locale.ThousandSeparator, LOCALE_STHOUSAND);
    TakeChar(locale.DateSeparator, LOCALE_SDATE);
    TakeChar(locale.TimeSeparator, LOCALE_STIME);
    Take(locale.CurrencySymbol, LOCALE_SCURRENCY);
    const std::string position = LocaleText(LOCALE_ICURRENCY);
    if (!position.empty()) locale.CurrencySymbolFirst = position == "0" || position == "2";
    const std::string digits = LocaleText(LOCALE_ICURRDIGITS);
    if (!digits.empty()) locale.CurrencyDigits = std::atoi(digits.c_str());
    locale.AmText = LocaleText(LOCALE_S1159);
    locale.PmText = LocaleText(LOCALE_S2359);
    // The system numbers days from Monday (SDAYNAME1); the grid from Sunday.
    for (int i = 0; i < 7; ++i) {
        const int system = (i + 6) % 7;
        Take(locale.DayNames[static_cast<size_t>(i)], LOCALE_SDAYNAME1 + system);
        Take(locale.DayAbbrevs[static_cast<size_t>(i)], LOCALE_SABBREVDAYNAME1 + system);
    }
    for (int m = 0; m < 12; ++m) {
        Take(locale.MonthNames[static_cast<size_t>(m)], LOCALE_SMONTHNAME1 + m);
        Take(locale.MonthAbbrevs[static_cast<size_t>(m)], LOCALE_SABBREVMONTHNAME1 + m);
    }
    return locale;
}

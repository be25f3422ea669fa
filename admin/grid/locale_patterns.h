// Dates in the system's own pattern notation (the locale's short and long
// date and time patterns: d dd ddd dddd M MM MMM MMMM y yy yyyy h hh H HH
// m mm s ss t tt and 'quoted' text).
#pragma once

#include <string>

#include "admin/grid/vb_values.h"

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

int MonthLength(int year, int month);
int WeekdayOfDate(int year, int month, int day);  // 0 = Sunday
int DayOfYear(int year, int month, int day);      // 1..366
// Which of day, month and year the short date pattern puts first.
DateOrder ShortDateOrder(const std::string& pattern);
std::string FormatLocalePattern(const DateTimeValue& value, const std::string& pattern, const FormatLocale& locale);

// A general formatting function in the manner of Visual Basic's Format.
//
// VbFormat(value, pattern) reads the value text as a number (IsNumericText),
// else as a date (ReadDateText), else as text, and formats it:
//
// Named formats:
//   numbers: "General Number" (as entered, no separators), "Currency"
//   (locale symbol, thousands, 2 digits, negatives in parentheses), "Fixed"
//   (0.00), "Standard" (#,##0.00), "Percent" (0.00%), "Scientific" (0.00E+00),
//   "Yes/No", "True/False", "On/Off" (0 -> No/False/Off, else Yes/True/On).
//   dates: "General Date" (short date, plus time when it has one), "Long Date",
//   "Medium Date", "Short Date" (locale patterns), "Long Time" (h:mm:ss AM/PM),
//   "Medium Time" (hh:mm AM/PM), "Short Time" (HH:mm, 24 hours).
// Number patterns: 0 (digit or zero), # (digit or nothing), . (decimal
//   point), , (thousands when between digit places; "," right before the
//   point or at the end divides by 1000 each), % (times 100), E+ E- e+ e-
//   (exponent, sign always / only when negative). Up to four sections split
//   by ";": positive;negative;zero;null. A negative value with no negative
//   section gets a "-" in front.
// Date/time patterns: d dd ddd dddd (day, 2-digit, abbreviated, full name),
//   ddddd (short date), dddddd (long date), w (weekday 1-7, week starts
//   Sunday), ww (week of the year, week 1 holds 1 January), m mm mmm mmmm
//   (month; m/mm right after h or hh mean minutes), q (quarter), y (day of the
//   year), yy yyyy, h hh, n nn (minutes), s ss, ttttt (long time), AM/PM
//   am/pm A/P a/p AMPM (12-hour clock with the marker), : and / (locale
//   separators), c (general date).
// Text patterns: @ (a character or a blank), & (a character or nothing),
//   filled right to left unless ! is given (left to right); < lower case,
//   > upper case.
// Literals in every kind: "quoted text", \x (the next character), and
//   - + ( ) $ blank as themselves. Unknown letters are copied as they stand.
//
// Garbage never fails: an unusable pattern (or one over 255 characters)
// gives the value back unchanged, and output is bounded (at most kMaxFormatOutput characters).
#pragma once

#include <string>

#include "admin/grid/vb_values.h"

constexpr std::size_t kMaxFormatOutput = 4096;

std::string VbFormat(const std::string& value, const std::string& pattern,
                     const FormatLocale& locale = FormatLocale::Default());
// Number and date entry points (the text dispatcher above calls these).
std::string VbFormatNumber(double value, const std::string& pattern,
                           const FormatLocale& locale = FormatLocale::Default());
std::string VbFormatDate(const DateTimeValue& value, const std::string& pattern,
                         const FormatLocale& locale = FormatLocale::Default());
std::string VbFormatText(const std::string& value, const std::string& pattern);

// Numbers read from setting items the way the window reads them: the leading
// number of the text ("12pt" is 12, "abc" is 0).
#pragma once

#include <string>

double NumericValue(const std::string& text);
// The leading number rounded to a 16-bit integer; values that do not fit
// count as 0, the value of a missing item, instead of failing.
int NumericValue16(const std::string& text);

#include "support/test_calendar.h"

#include <cstdio>

std::string TestCalendar::DayName(int weekday, bool abbreviated) const {
    static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
    const std::string name = kNames[((weekday % 7) + 7) % 7];
    return abbreviated ? name.substr(0, 3) : name;
}

// Stands in for the system parser: ISO dates only, as a system parser also
// accepts forms beyond the short date pattern.
std::optional<CivilDate> TestCalendar::SystemParseDate(const std::string& text) const {
    int year = 0, month = 0, day = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) == 3 &&
        month >= 1 && month <= 12 && day >= 1 && day <= 31) {
        return CivilDate{year, month, day};
    }
    return std::nullopt;
}

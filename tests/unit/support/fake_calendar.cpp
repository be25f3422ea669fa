#include "support/fake_calendar.h"

namespace {
const char* const kNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
}

FakeCalendar::FakeCalendar() {
    today_.Year = 2026;
    today_.Month = 12;
    today_.Day = 7;
}

FakeCalendar::FakeCalendar(const CivilDate& today, const std::string& pattern) : today_(today), pattern_(pattern) {}

std::string FakeCalendar::DayName(int weekday, bool abbreviated) const {
    if (weekday < 0 || weekday > 6) return std::string();
    std::string name = kNames[weekday];
    return abbreviated ? name.substr(0, 3) : name;
}

std::optional<CivilDate> FakeCalendar::SystemParseDate(const std::string& text) const {
    ++SystemParseCalls;
    auto listed = SystemDates.find(text);
    if (listed != SystemDates.end()) return listed->second;
    return ParseDatePattern(text, "yyyy-M-d");
}

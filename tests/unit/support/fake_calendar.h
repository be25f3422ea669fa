// A calendar for tests: today, the short date pattern and the first day of
// the week are set by the test; weekday names are English. The system parser
// reads ISO dates (yyyy-mm-dd) and whatever the test lists in SystemDates.
#pragma once

#include <map>
#include <string>

#include "shared/calendar.h"

class FakeCalendar : public Calendar {
public:
    FakeCalendar();
    explicit FakeCalendar(const CivilDate& today, const std::string& pattern = "M/d/yyyy");

    CivilDate Today() const override { return today_; }
    int Hour() const override { return hour_; }
    int Minute() const override { return minute_; }
    std::string ShortDatePattern() const override { return pattern_; }
    std::string DayName(int weekday, bool abbreviated) const override;
    int FirstDayOfWeek() const override { return firstDay_; }
    std::optional<CivilDate> SystemParseDate(const std::string& text) const override;

    void SetToday(const CivilDate& today) { today_ = today; }
    void SetTime(int hour, int minute) {
        hour_ = hour;
        minute_ = minute;
    }
    void SetPattern(const std::string& pattern) { pattern_ = pattern; }
    void SetFirstDayOfWeek(int weekday) { firstDay_ = weekday; }

    std::map<std::string, CivilDate> SystemDates;
    mutable int SystemParseCalls = 0;

private:
    CivilDate today_;
    int hour_ = 9;
    int minute_ = 0;
    std::string pattern_ = "M/d/yyyy";
    int firstDay_ = 0;
};

// A calendar with a fixed today and English (United States) regional settings.
#pragma once

#include <optional>
#include <string>

#include "shared/calendar.h"

class TestCalendar : public Calendar {
public:
    explicit TestCalendar(CivilDate today, std::string pattern = "M/d/yyyy")
        : today_(today), pattern_(std::move(pattern)) {}

    void SetToday(CivilDate today) { today_ = today; }
    void SetTime(int hour, int minute) { hour_ = hour; minute_ = minute; }
    std::string Format(const CivilDate& date) const { return FormatShortDate(date, *this); }

    CivilDate Today() const override { return today_; }
    int Hour() const override { return hour_; }
    int Minute() const override { return minute_; }
    std::string ShortDatePattern() const override { return pattern_; }
    std::string DayName(int weekday, bool abbreviated) const override;
    int FirstDayOfWeek() const override { return 0; }
    std::optional<CivilDate> SystemParseDate(const std::string& text) const override;

private:
    CivilDate today_;
    std::string pattern_;
    int hour_ = 9;
    int minute_ = 0;
};

// A calendar with a fixed day and time and English or German regional
// settings, for tests of date-driven choices.
#pragma once

#include <optional>
#include <string>

#include "shared/calendar.h"

class FixedCalendar : public Calendar {
public:
    CivilDate Date{2025, 3, 3};  // a Monday
    int HourOfDay = 10;
    int MinuteOfHour = 5;
    std::string Pattern = "M/d/yyyy";
    bool German = false;

    CivilDate Today() const override { return Date; }
    int Hour() const override { return HourOfDay; }
    int Minute() const override { return MinuteOfHour; }
    std::string ShortDatePattern() const override { return Pattern; }
    std::string DayName(int weekday, bool abbreviated) const override {
        static const char* const english[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
        static const char* const german[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                             "Donnerstag", "Freitag", "Samstag"};
        const int index = ((weekday % 7) + 7) % 7;
        std::string name = German ? german[index] : english[index];
        return abbreviated ? name.substr(0, German ? 2 : 3) : name;
    }
    int FirstDayOfWeek() const override { return German ? 1 : 0; }
    std::optional<CivilDate> SystemParseDate(const std::string&) const override { return std::nullopt; }
};

#include "admin/grid/demo/grid_demo_data.h"

#include <cstdio>

const std::vector<DemoColumn>& DemoColumns() {
    static const std::vector<DemoColumn> columns = {
        {"No.", 0, 600, ""},          {"User", 3, 1300, ""},  // text field
        {"Computer", 4, 1300, ""},                            // editable drop-down
        {"Date", 2, 1300, ""},                                // spin field
        {"Answer", 1, 1200, ""},                              // drop-down list
        {"Minutes", 3, 1000, "0.00"},                         // text field with a number format
        {"Weekday", 4, 1300, ""},                             // editable drop-down
    };
    return columns;
}

const std::vector<std::string>& DemoComputers() {
    static const std::vector<std::string> names = {"PC-ADMIN", "PC-FRONT",   "PC-LAB01",
                                                   "PC-LAB02", "PC-LIBRARY", "PC-OFFICE"};
    return names;
}

const std::vector<std::string>& DemoAnswers() {
    static const std::vector<std::string> answers = {"Accepted", "Declined"};
    return answers;
}

const std::vector<std::string>& DemoWeekdays() {
    static const std::vector<std::string> days = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                  "Friday", "Saturday", "Sunday"};
    return days;
}

std::vector<std::string> DemoRow(long index, const FormatLocale& locale) {
    char user[32];
    std::snprintf(user, sizeof(user), "user%05ld", index);
    DateTimeValue start;
    start.Year = 2026;
    start.Month = 12;
    start.Day = 7;
    const DateTimeValue date = AddDaysTo(start, -(index % 730));
    const auto& computers = DemoComputers();
    const auto& days = DemoWeekdays();
    // A spread of minutes from 0.5 to 59.5 that is not sorted already.
    const long minutes = (index * 7919) % 119 + 1;
    return {"",
            user,
            computers[static_cast<size_t>(index) % computers.size()],
            DateText(date, locale),
            index % 17 == 0 ? "Declined" : "Accepted",
            NumberText(minutes / 2.0),
            days[static_cast<size_t>(index) % days.size()]};
}

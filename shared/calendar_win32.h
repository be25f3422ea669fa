// The clock and the regional settings of the user, from Windows.
#pragma once

#include "shared/calendar.h"
#include "shared/win32/handles.h"

class Win32Calendar : public Calendar {
public:
    CivilDate Today() const override;
    int Hour() const override;
    int Minute() const override;
    std::string ShortDatePattern() const override;
    std::string DayName(int weekday, bool abbreviated) const override;
    int FirstDayOfWeek() const override;
    // VarDateFromStr with the user's locale; oleaut32 is loaded on the first
    // call only, so a start that needs no date parsing never pays for it.
    std::optional<CivilDate> SystemParseDate(const std::string& text) const override;

private:
    mutable LibraryHandle oleaut32_;
    mutable bool oleaut32Tried_ = false;
};

#include "shared/run_decision.h"

#include <vector>

#include "shared/text_routines.h"

namespace {

std::vector<std::string> SplitAtDash(const std::string& text) {
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    for (;;) {
        const auto dash = text.find('-', start);
        pieces.push_back(text.substr(start, dash - start));
        if (dash == std::string::npos) break;
        start = dash + 1;
    }
    return pieces;
}

RunDecision Decided(bool due) { return RunDecision{due, false}; }

RunDecision PeriodDaysDue(const std::string& period, bool profileUserKnown, const std::string& lastRunText,
                          const Calendar& calendar) {
    const CivilDate today = calendar.Today();
    double days = 0;
    const bool isNumber = ReadsAsNumber(period, &days);

    CivilDate lastRun = today;
    if (profileUserKnown) {
        const auto stored = ReadDate(lastRunText, calendar);
        if (stored) {
            lastRun = *stored;
        } else if (isNumber && days > 0) {
            return Decided(true);  // first run of this user
        }
    }
    if (!isNumber) days = 0;

    const long sinceLastRun = DaysBetween(lastRun, today);
    if (days == -1) return Decided(sinceLastRun >= 0);
    if (days == -2) return Decided(false);
    if (days == -3) return RunDecision{false, true};
    if (days == -4) return Decided(true);
    return Decided(days <= sinceLastRun);
}

}  // namespace

RunDecision DecideDeclarationDue(const std::string& periodItem, bool profileUserKnown, const std::string& lastRunText,
                                 const Calendar& calendar) {
    std::string period = ToLower(periodItem);
    const CivilDate today = calendar.Today();

    std::string weekday = period;
    if (IsWeekdayName(weekday, calendar)) {
        const std::string todayName = ToLower(calendar.DayName(WeekdayOf(today), false));
        return Decided(period == todayName || period == todayName.substr(0, 3));
    }

    if (const auto date = ReadDate(period, calendar)) return Decided(DaysBetween(*date, today) == 0);

    if (period.find('-') != std::string::npos && !ReadsAsNumber(period)) {
        const auto pieces = SplitAtDash(period);
        const auto first = ReadDate(pieces[0], calendar);
        const auto second = ReadDate(pieces.size() > 1 ? pieces[1] : std::string(), calendar);
        return Decided(first && second && DaysBetween(*first, today) >= 0 && DaysBetween(*second, today) <= 0);
    }

    return PeriodDaysDue(period, profileUserKnown, lastRunText, calendar);
}

bool AcceptedDocumentChanged(const std::string& periodItem, bool reacceptOptedIn,
                             const std::string& acceptedFingerprint,
                             const std::function<std::string()>& todaysFingerprint) {
    if (!reacceptOptedIn || !todaysFingerprint) return false;
    double days = 0;
    if (ReadsAsNumber(ToLower(periodItem), &days) && (days == -2 || days == -3)) return false;
    const std::string today = todaysFingerprint();
    return !today.empty() && !EqualsNoCase(Trim(acceptedFingerprint), today);
}

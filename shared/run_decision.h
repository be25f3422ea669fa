// Whether the declaration is due today: the one decision the declaration
// program makes at start and the console repeats for each user in its
// compliance view. It only decides; recording a run is the caller's.
#pragma once

#include <string>

#include "shared/calendar.h"

constexpr char kPeriodDaysKey[] = "Declaration Period Days";
constexpr char kLastRunKey[] = "Last Run";

struct RunDecision {
    bool Due = false;
    // The period asks for the run to be recorded as if accepted (-3).
    bool RecordLastRun = false;
};

// periodItem: the item of "Declaration Period Days" ("0" when missing);
// profileUserKnown: a profile user is known; lastRunText: that user's
// "Last Run" (ignored without a profile user; empty when it does not count).
RunDecision DecideDeclarationDue(const std::string& periodItem, bool profileUserKnown, const std::string& lastRunText,
                                 const Calendar& calendar);

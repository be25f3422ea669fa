// Whether the declaration is due today: the one decision the declaration
// program makes at start and the console repeats for each user in its
// compliance view. It only decides; recording a run is the caller's.
#pragma once

#include <functional>
#include <string>

#include "shared/calendar.h"

constexpr char kPeriodDaysKey[] = "Declaration Period Days";
constexpr char kLastRunKey[] = "Last Run";
constexpr char kReacceptKey[] = "Reaccept On Change";
constexpr char kAcceptedDocumentKey[] = "Accepted Document";

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

// With "Reaccept On Change" the declaration is due as well when today's
// document is not the one the user accepted last (its SHA-256 as stored in
// "Accepted Document"; none stored: not accepted yet). -2 and -3 still mean
// never. todaysFingerprint reads the document, so it is asked last; an empty
// answer (no readable document) is no new version to accept.
bool AcceptedDocumentChanged(const std::string& periodItem, bool reacceptOptedIn,
                             const std::string& acceptedFingerprint,
                             const std::function<std::string()>& todaysFingerprint);

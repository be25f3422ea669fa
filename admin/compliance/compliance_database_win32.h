// The compliance view's answers from the site's database ("Record
// Database"): each user's latest row, read on a worker thread with a login
// timeout and a wait limit, so a database that does not answer never holds
// the console.
#pragma once

#include <string>
#include <vector>

#include "admin/compliance/compliance_rows.h"

constexpr unsigned kComplianceLoginSeconds = 3;
constexpr unsigned kComplianceWaitMilliseconds = 20000;

struct LatestAnswersResult {
    bool Done = false;  // the answers were read
    // Why not, for a message: the driver's own text, never the password.
    std::string Problem;
    std::vector<LatestAnswer> Answers;
};

LatestAnswersResult QueryLatestAnswers(const std::string& connection);

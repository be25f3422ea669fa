// "Test connection" of the "Record Database" setting: what is checked before
// connecting, the texts shown after, and the password kept out of all of them.
#pragma once

#include <string>

#include "shared/connection_string.h"

// Empty when the string can be tried; otherwise why not, for the message box.
std::string ConnectionCheckProblem(const std::string& connection);

struct ConnectionTestResult {
    bool OdbcLoaded = false;
    bool Finished = false;  // within the wait limit
    bool Connected = false;
    std::string DriverName, DriverVersion, DbmsName, DbmsVersion;
    std::string Error;  // the driver's own text when not connected
};

constexpr char kConnectionTestTitle[] = "Test connection";

// The message box text (several lines) and the status bar's one line; no
// password in either.
std::string ConnectionTestMessage(const ConnectionTestResult& result, const std::string& connection);
std::string ConnectionTestStatus(const ConnectionTestResult& result, const std::string& connection);

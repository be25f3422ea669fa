#include "admin/settings/connection_check.h"

#include "shared/text_routines.h"

namespace {

std::string Joined(const std::string& name, const std::string& version) {
    return TrimBlanks(version).empty() ? name : name + " " + version;
}

}  // namespace

std::string ConnectionCheckProblem(const std::string& connection) {
    if (TrimBlanks(connection).empty())
        return "\"Record Database\" is empty: answers go to the record files only, there is no database to test.";
    if (!NamesDriver(connection))
        return "The connection string names no driver: it needs Driver={...}, DSN=... or FileDSN=... to reach a "
               "database.";
    return std::string();
}

std::string ConnectionTestMessage(const ConnectionTestResult& result, const std::string& connection) {
    const std::string problem = ConnectionCheckProblem(connection);
    if (!problem.empty()) return problem;
    if (!result.OdbcLoaded) return "ODBC (odbc32.dll) could not be loaded on this computer.";
    if (!result.Finished) return "The database did not answer in time; the connection was given up.";
    if (!result.Connected) {
        const std::string error = result.Error.empty() ? "(the driver gave no reason)" : result.Error;
        return "The connection failed.\n\nThe driver said:\n" + HidePasswords(error, connection);
    }
    return "Connected.\n\nDriver: " + Joined(result.DriverName, result.DriverVersion) +
           "\nDatabase: " + Joined(result.DbmsName, result.DbmsVersion);
}

std::string ConnectionTestStatus(const ConnectionTestResult& result, const std::string& connection) {
    std::string line = ConnectionTestMessage(result, connection);
    if (result.Connected && ConnectionCheckProblem(connection).empty())
        line = "Connected: driver " + Joined(result.DriverName, result.DriverVersion) + ", database " +
               Joined(result.DbmsName, result.DbmsVersion);
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    // The blank lines of the box become runs of spaces: one is enough.
    std::string single;
    for (char c : line)
        if (!(c == ' ' && !single.empty() && single.back() == ' ')) single += c;
    return single;
}

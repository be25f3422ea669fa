#include "admin/compliance/compliance_database_win32.h"

#include <algorithm>

#include "admin/compliance/compliance_sources.h"
#include "shared/connection_string.h"
#include "shared/odbc/odbc_win32.h"

namespace {

class QueryWork : public OdbcWork {
public:
    explicit QueryWork(std::string connection) : connection_(std::move(connection)) {}

    void Run() override {
        if (!api_.Load()) {
            result_.Problem = "ODBC (odbc32.dll) could not be loaded on this computer.";
            return;
        }
        OdbcConnection link(api_);
        std::string error;
        if (!link.Connect(connection_, kComplianceLoginSeconds, &error)) {
            result_.Problem = "The database could not be reached: " + (error.empty() ? "no reason given." : error);
            return;
        }
        OdbcHandle stmt(api_, SQL_HANDLE_STMT);
        std::string sql = LatestAnswersSql();
        if (!stmt.Alloc(link.Get()) || !OdbcOk(api_.ExecDirect(stmt.Get(), reinterpret_cast<SQLCHAR*>(&sql[0]),
                                                               static_cast<SQLINTEGER>(sql.size())))) {
            const std::string why = OdbcDiagnostic(api_, stmt);
            result_.Problem = "The answers table could not be read: " + (why.empty() ? "no reason given." : why);
            return;
        }
        for (;;) {
            const SQLRETURN fetched = api_.Fetch(stmt.Get());
            if (fetched == SQL_NO_DATA) break;
            if (!OdbcOk(fetched)) {
                result_.Problem = "Reading the answers failed: " + OdbcDiagnostic(api_, stmt);
                return;
            }
            LatestAnswer answer;
            std::string* columns[] = {&answer.User,    &answer.Answer,   &answer.Date,
                                      &answer.Machine, &answer.Document, &answer.UtcTime};
            for (SQLUSMALLINT i = 0; i < 6; ++i) *columns[i] = Column(stmt, i + 1);
            result_.Answers.push_back(std::move(answer));
        }
        result_.Done = true;
    }

    LatestAnswersResult& Result() { return result_; }

private:
    std::string Column(const OdbcHandle& stmt, SQLUSMALLINT number) {
        wchar_t text[2048];
        SQLLEN length = 0;
        if (!OdbcOk(api_.GetData(stmt.Get(), number, SQL_C_WCHAR, text, sizeof text, &length)) ||
            length == SQL_NULL_DATA)
            return std::string();
        std::size_t count =
            length == SQL_NO_TOTAL || length < 0 ? 0 : static_cast<std::size_t>(length) / sizeof(wchar_t);
        count = std::min(count, sizeof text / sizeof text[0] - 1);
        return OdbcNarrow(std::wstring(text, count));
    }

    std::string connection_;
    OdbcApi api_;
    LatestAnswersResult result_;
};

}  // namespace

LatestAnswersResult QueryLatestAnswers(const std::string& connection) {
    LatestAnswersResult result;
    if (!NamesDriver(connection)) {
        result.Problem = "\"Record Database\" names no driver (Driver=, DSN= or FileDSN=): no database to read.";
        return result;
    }
    auto work = std::make_shared<QueryWork>(connection);
    if (!RunWithinLimit(work, kComplianceWaitMilliseconds)) {
        result.Problem = "The database did not answer in time.";
        return result;
    }
    result = std::move(work->Result());
    // A driver may quote the connection string in its error.
    result.Problem = HidePasswords(result.Problem, connection);
    return result;
}

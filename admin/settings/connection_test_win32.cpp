#include "admin/settings/connection_test_win32.h"

#include "shared/odbc/odbc_win32.h"

namespace {

class TestWork : public OdbcWork {
public:
    explicit TestWork(std::string connection) : connection_(std::move(connection)) {}
    void Run() override {
        result_.OdbcLoaded = api_.Load();
        if (!result_.OdbcLoaded) return;
        OdbcConnection link(api_);
        result_.Connected = link.Connect(connection_, kTestLoginSeconds, &result_.Error);
        if (!result_.Connected) return;
        result_.DriverName = link.Info(SQL_DRIVER_NAME);
        result_.DriverVersion = link.Info(SQL_DRIVER_VER);
        result_.DbmsName = link.Info(SQL_DBMS_NAME);
        result_.DbmsVersion = link.Info(SQL_DBMS_VER);
    }
    const ConnectionTestResult& Result() const { return result_; }

private:
    std::string connection_;
    OdbcApi api_;
    ConnectionTestResult result_;
};

}  // namespace

ConnectionTestResult TestConnection(const std::string& connection) {
    ConnectionTestResult result;
    if (!ConnectionCheckProblem(connection).empty()) return result;
    auto work = std::make_shared<TestWork>(connection);
    if (!RunWithinLimit(work, kTestWaitMilliseconds)) {
        result.OdbcLoaded = true;  // unknown: the wait ran out first
        return result;
    }
    result = work->Result();
    result.Finished = true;
    return result;
}

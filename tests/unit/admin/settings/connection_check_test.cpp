#include "admin/settings/connection_check.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectionCheck, MessagesNameTheDriverOrItsErrorNeverThePassword) {
    const std::string good = "Driver={PostgreSQL Unicode};Uid=tsr;Pwd=hunter2";
    ConnectionTestResult connected;
    connected.OdbcLoaded = connected.Finished = connected.Connected = true;
    connected.DriverName = "psqlodbcw.so";
    connected.DriverVersion = "13.02.0000";
    connected.DbmsName = "PostgreSQL";
    connected.DbmsVersion = "15.4";
    ConnectionTestResult refused = connected;
    refused.Connected = false;
    refused.Error = "[28P01] password authentication failed (Pwd=hunter2)";
    ConnectionTestResult late = refused;
    late.Finished = false;

    const struct {
        ConnectionTestResult Result;
        std::string Connection;
        const char* Says;
    } cases[] = {
        {connected, good, "Driver: psqlodbcw.so 13.02.0000\nDatabase: PostgreSQL 15.4"},
        {refused, good, "password authentication failed (Pwd=*****)"},
        {late, good, "did not answer in time"},
        {ConnectionTestResult{}, "  ", "\"Record Database\" is empty"},
        {connected, "Server=db1;Pwd=hunter2", "names no driver"},
    };
    for (const auto& c : cases) {
        const std::string message = ConnectionTestMessage(c.Result, c.Connection);
        const std::string status = ConnectionTestStatus(c.Result, c.Connection);
        EXPECT_NE(std::string::npos, message.find(c.Says)) << message;
        EXPECT_EQ(std::string::npos, message.find("hunter2")) << message;
        EXPECT_EQ(std::string::npos, status.find("hunter2")) << status;
        EXPECT_EQ(std::string::npos, status.find('\n')) << status;
    }
}

}  // namespace

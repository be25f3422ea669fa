// "Test connection": connects with a connection string on a worker thread
// (login timeout, and a wait limit over it) and asks the driver who it is.
#pragma once

#include <string>

#include "admin/settings/connection_check.h"

constexpr unsigned kTestLoginSeconds = 3;
constexpr unsigned kTestWaitMilliseconds = 5000;

ConnectionTestResult TestConnection(const std::string& connection);

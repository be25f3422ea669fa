// ODBC through odbc32.dll, loaded when first needed, so a program that never
// touches a database never loads it. Only the plain ODBC names are used:
// they are the ones every odbc32.dll exports (Wine's among them).
#pragma once

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string>

#include "shared/win32/handles.h"

struct OdbcApi {
    decltype(&::SQLAllocHandle) AllocHandle = nullptr;
    decltype(&::SQLFreeHandle) FreeHandle = nullptr;
    decltype(&::SQLSetEnvAttr) SetEnvAttr = nullptr;
    decltype(&::SQLSetConnectAttr) SetConnectAttr = nullptr;
    decltype(&::SQLDriverConnect) DriverConnect = nullptr;
    decltype(&::SQLDisconnect) Disconnect = nullptr;
    decltype(&::SQLGetInfo) GetInfo = nullptr;
    decltype(&::SQLExecDirect) ExecDirect = nullptr;
    decltype(&::SQLPrepare) Prepare = nullptr;
    decltype(&::SQLBindParameter) BindParameter = nullptr;
    decltype(&::SQLExecute) Execute = nullptr;
    decltype(&::SQLFetch) Fetch = nullptr;
    decltype(&::SQLGetData) GetData = nullptr;
    decltype(&::SQLGetDiagRec) GetDiagRec = nullptr;
    decltype(&::SQLFreeStmt) FreeStmt = nullptr;
    LibraryHandle Library;

    // Loads odbc32.dll and finds every function; false when any is missing.
    bool Load();
};

inline bool OdbcOk(SQLRETURN result) { return result == SQL_SUCCESS || result == SQL_SUCCESS_WITH_INFO; }

// An ODBC handle freed with its own kind.
class OdbcHandle {
public:
    OdbcHandle(const OdbcApi& api, SQLSMALLINT kind) : api_(api), kind_(kind) {}
    ~OdbcHandle() {
        if (handle_) api_.FreeHandle(kind_, handle_);
    }
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;
    bool Alloc(SQLHANDLE parent) { return OdbcOk(api_.AllocHandle(kind_, parent, &handle_)); }
    SQLHANDLE Get() const { return handle_; }
    SQLSMALLINT Kind() const { return kind_; }

private:
    const OdbcApi& api_;
    SQLSMALLINT kind_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// Text goes as UTF-16, so names with accents reach every database as the
// user wrote them, whatever its own character set; and comes back the same way.
std::wstring OdbcWide(const std::string& text);
std::string OdbcNarrow(const std::wstring& text);

// The driver's first diagnostic record of a handle: "[state] message", or
// empty when there is none. *state (when given) receives the state alone.
std::string OdbcDiagnostic(const OdbcApi& api, const OdbcHandle& handle, std::string* state = nullptr);

// One connection: environment and connection handles, a login timeout and
// no prompt (nobody ever sees a driver's dialog).
class OdbcConnection {
public:
    explicit OdbcConnection(const OdbcApi& api) : api_(api), env_(api, SQL_HANDLE_ENV), dbc_(api, SQL_HANDLE_DBC) {}
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // False with *error (when given) holding the driver's own text.
    bool Connect(const std::string& connectionString, unsigned loginSeconds, std::string* error = nullptr);
    // A text answer of SQLGetInfo (SQL_DRIVER_NAME, SQL_DBMS_NAME ...).
    std::string Info(SQLUSMALLINT what) const;
    const OdbcApi& Api() const { return api_; }
    SQLHDBC Get() const { return dbc_.Get(); }

private:
    const OdbcApi& api_;
    OdbcHandle env_;
    OdbcHandle dbc_;
    bool connected_ = false;
};

// Work done on a worker thread while the caller waits at most waitMs, so a
// driver that ignores its timeouts cannot hold a window. The work is shared
// with the thread: work that outlasts the wait finishes alone and is freed
// then. False when it did not finish in time.
class OdbcWork {
public:
    virtual ~OdbcWork() = default;
    virtual void Run() = 0;
};
bool RunWithinLimit(const std::shared_ptr<OdbcWork>& work, DWORD waitMs);

#include "runner/answer/answer_database_win32.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "runner/answer/answer_database.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "shared/odbc/odbc_win32.h"
#include "shared/win32/handles.h"

namespace {

class OdbcAnswerDatabase : public AnswerDatabase {
public:
    OdbcAnswerDatabase(OdbcApi& api, std::string connection)
        : api_(api), connectionString_(std::move(connection)), link_(api) {}

    bool Open() override {
        if (!NamesDriver(connectionString_) || !link_.Connect(connectionString_, kDatabaseLoginSeconds)) return false;
        kind_ = DbmsKindFromName(link_.Info(SQL_DBMS_NAME));
        return EnsureTable();
    }

    bool Insert(const AnswerRow& row) override {
        if (Exec(InsertAnswerSql(), row)) return true;
        // Already there: an earlier send committed it but its answer never came back.
        return lastState_.compare(0, 2, "23") == 0 && CountById(row.Id) == 1;
    }

private:
    bool Direct(const std::string& sql) {
        OdbcHandle stmt(api_, SQL_HANDLE_STMT);
        std::string text = sql;
        return stmt.Alloc(link_.Get()) && OdbcOk(api_.ExecDirect(stmt.Get(), reinterpret_cast<SQLCHAR*>(&text[0]),
                                                                 static_cast<SQLINTEGER>(text.size())));
    }

    bool EnsureTable() {
        if (Direct(ProbeAnswersTableSql())) return true;
        // A table made earlier with other columns makes this fail as well:
        // the rows then wait in the pending file rather than go astray.
        if (!Direct(CreateAnswersTableSql(kind_))) return false;
        Direct(CreateAnswersIndexSql());
        return Direct(ProbeAnswersTableSql());
    }

    bool BindText(SQLHSTMT stmt, SQLUSMALLINT number, const std::wstring& text, SQLLEN* length) {
        // Empty text is stored as NULL (an address the setting did not ask for).
        const SQLLEN bytes = static_cast<SQLLEN>((text.empty() ? 1 : text.size()) * sizeof(wchar_t));
        *length = text.empty() ? SQL_NULL_DATA : bytes;
        const SQLULEN size = text.empty() ? 1 : text.size();
        return OdbcOk(api_.BindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, size, 0,
                                         const_cast<wchar_t*>(text.c_str()), bytes, length));
    }

    bool Exec(const std::string& sql, const AnswerRow& row) {
        lastState_.clear();
        OdbcHandle stmt(api_, SQL_HANDLE_STMT);
        std::string text = sql;
        if (!stmt.Alloc(link_.Get()) || !OdbcOk(api_.Prepare(stmt.Get(), reinterpret_cast<SQLCHAR*>(&text[0]),
                                                             static_cast<SQLINTEGER>(text.size()))))
            return false;
        const std::string* fields[] = {&row.Id,           &row.User,           &row.Machine,   &row.Ip,
                                       &row.Mac,          &row.Answer,         &row.LocalTime, nullptr,
                                       &row.DocumentPath, &row.DocumentSha256, &row.Version};
        std::wstring wide[11];
        SQLLEN lengths[11] = {};
        int time[6];
        if (!ParseUtcTime(row.UtcTime, time)) return false;
        SQL_TIMESTAMP_STRUCT stamp = {};
        stamp.year = static_cast<SQLSMALLINT>(time[0]);
        stamp.month = static_cast<SQLUSMALLINT>(time[1]);
        stamp.day = static_cast<SQLUSMALLINT>(time[2]);
        stamp.hour = static_cast<SQLUSMALLINT>(time[3]);
        stamp.minute = static_cast<SQLUSMALLINT>(time[4]);
        stamp.second = static_cast<SQLUSMALLINT>(time[5]);
        for (SQLUSMALLINT i = 0; i < 11; ++i) {
            bool bound;
            if (fields[i]) {
                wide[i] = OdbcWide(*fields[i]);
                bound = BindText(stmt.Get(), i + 1, wide[i], &lengths[i]);
            } else {
                lengths[i] = sizeof stamp;
                bound = OdbcOk(api_.BindParameter(stmt.Get(), i + 1, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP,
                                                  SQL_TYPE_TIMESTAMP, 19, 0, &stamp, sizeof stamp, &lengths[i]));
            }
            if (!bound) return false;
        }
        if (OdbcOk(api_.Execute(stmt.Get()))) return true;
        OdbcDiagnostic(api_, stmt, &lastState_);
        return false;
    }

    int CountById(const std::string& id) {
        OdbcHandle stmt(api_, SQL_HANDLE_STMT);
        std::string text = CountAnswerByIdSql();
        std::wstring wide = OdbcWide(id);
        SQLLEN length = 0;
        SQLINTEGER count = 0;
        SQLLEN countLength = 0;
        if (!stmt.Alloc(link_.Get()) ||
            !OdbcOk(
                api_.Prepare(stmt.Get(), reinterpret_cast<SQLCHAR*>(&text[0]), static_cast<SQLINTEGER>(text.size()))) ||
            !BindText(stmt.Get(), 1, wide, &length) || !OdbcOk(api_.Execute(stmt.Get())) ||
            !OdbcOk(api_.Fetch(stmt.Get())) ||
            !OdbcOk(api_.GetData(stmt.Get(), 1, SQL_C_SLONG, &count, sizeof count, &countLength)))
            return -1;
        return static_cast<int>(count);
    }

    OdbcApi& api_;
    std::string connectionString_;
    OdbcConnection link_;
    DbmsKind kind_ = DbmsKind::Other;
    std::string lastState_;
};

// One send on a worker thread, so a driver that ignores the login timeout
// cannot hold the user: after the wait limit the rows count as unsent (the
// row key keeps a late insert from being counted twice). The job is shared
// by the two threads and freed by the last one done with it; odbc32.dll is
// loaded on the worker and stays with the job.
struct SendJob {
    LONG References = 2;
    std::string Connection;
    std::vector<AnswerRow> Rows;
    std::vector<AnswerRow> Left;
    OdbcApi Api;
};

void Release(SendJob* job) {
    if (InterlockedDecrement(&job->References) == 0) delete job;
}

DWORD WINAPI SendOnWorker(void* parameter) {
    auto* job = static_cast<SendJob*>(parameter);
    if (job->Api.Load()) {
        OdbcAnswerDatabase database(job->Api, job->Connection);
        job->Left = SendAnswerRows(job->Rows, database);
    }
    Release(job);
    return 0;
}

std::vector<AnswerRow> SendWithinLimit(const std::string& connection, const std::vector<AnswerRow>& rows) {
    auto* job = new SendJob;
    job->Connection = connection;
    job->Rows = rows;
    job->Left = rows;
    KernelHandle thread(CreateThread(nullptr, 0, SendOnWorker, job, 0, nullptr));
    if (!thread.Valid()) {
        delete job;
        return rows;
    }
    const bool done = WaitForSingleObject(thread.Get(), kDatabaseWaitMilliseconds) == WAIT_OBJECT_0;
    std::vector<AnswerRow> left = done ? job->Left : rows;
    Release(job);
    return left;
}

class SystemPendingFiles : public PendingAnswerFiles {
public:
    bool Exists(const std::string& path) override { return FileExists(path); }
    bool Read(const std::string& path, std::string* text) override { return ReadWholeFile(path, text); }
    bool Replace(const std::string& path, const std::string& text) override {
        CreateFolder(FolderOf(path));
        return ReplaceFileAtomically(path, text);
    }
    void Remove(const std::string& path) override { DeleteFileAt(path); }
};

void Deliver(const std::string& connectionString, const AnswerRow* row) {
    if (connectionString.empty()) return;
    SystemPendingFiles files;
    DeliverAnswerRows(PendingAnswersPath(LocalAppDataFolder()), row, files,
                      [&](const std::vector<AnswerRow>& rows) { return SendWithinLimit(connectionString, rows); });
}

}  // namespace

void SendPendingAnswers(const std::string& connectionString) { Deliver(connectionString, nullptr); }

void StoreAnswerRow(const std::string& connectionString, const AnswerRow& row) { Deliver(connectionString, &row); }

namespace {

struct DeliveryJob {
    std::string Connection;
    AnswerRow Row;
};

DWORD WINAPI DeliverOnThread(void* parameter) {
    std::unique_ptr<DeliveryJob> job(static_cast<DeliveryJob*>(parameter));
    StoreAnswerRow(job->Connection, job->Row);
    return 0;
}

// The send's limit, and time enough to write the pending file after it.
constexpr DWORD kDeliveryWaitMilliseconds = kDatabaseWaitMilliseconds + 3000;

}  // namespace

void AnswerRowDelivery::Start(const std::string& connectionString, const AnswerRow& row) {
    Finish();
    auto job = std::make_unique<DeliveryJob>(DeliveryJob{connectionString, row});
    thread_.Reset(CreateThread(nullptr, 0, DeliverOnThread, job.get(), 0, nullptr));
    if (thread_.Valid()) {
        job.release();  // the thread's now
    } else {
        StoreAnswerRow(connectionString, row);
    }
}

void AnswerRowDelivery::Finish() {
    if (!thread_.Valid()) return;
    WaitForSingleObject(thread_.Get(), kDeliveryWaitMilliseconds);
    thread_.Reset();
}

std::string UtcTimeNow() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    return text;
}

std::string AnswerUniqueText(const std::string& machine, const std::string& user) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    char text[96];
    std::snprintf(text, sizeof text, "|%lu|%lu|%lu|%lld", static_cast<unsigned long>(now.dwHighDateTime),
                  static_cast<unsigned long>(now.dwLowDateTime), static_cast<unsigned long>(GetCurrentProcessId()),
                  static_cast<long long>(counter.QuadPart));
    return machine + "|" + user + text;
}

std::string MachineName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? std::string(name, size) : std::string();
}

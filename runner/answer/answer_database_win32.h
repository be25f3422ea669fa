// The answers table reached through ODBC. odbc32.dll is loaded only when a
// row is to be sent, so a start with nothing to send never loads it.
#pragma once

#include <string>

#include "runner/answer/answer_row.h"
#include "shared/win32/handles.h"

// How long an answer may wait for the database: the login timeout, and the
// limit on the whole send (for a driver that ignores the login timeout).
constexpr unsigned kDatabaseLoginSeconds = 3;
constexpr unsigned kDatabaseWaitMilliseconds = 4500;

// At start: sends the rows of the user's pending file, when there is one.
void SendPendingAnswers(const std::string& connectionString);

// At an answer: sends the row (and any pending ones); what the database does
// not take within the wait limit stays in the pending file. Never shows
// anything to the user.
void StoreAnswerRow(const std::string& connectionString, const AnswerRow& row);

// An answer's row on its way (StoreAnswerRow on a thread of its own), so the
// window's closing steps go on while the database works. Finish, or the
// destructor when the program ends, waits for it: the send's own wait limit
// and the pending file's write at most.
class AnswerRowDelivery {
public:
    AnswerRowDelivery() = default;
    ~AnswerRowDelivery() { Finish(); }
    AnswerRowDelivery(const AnswerRowDelivery&) = delete;
    AnswerRowDelivery& operator=(const AnswerRowDelivery&) = delete;

    void Start(const std::string& connectionString, const AnswerRow& row);
    void Finish();

private:
    KernelHandle thread_;
};

// The answer's UTC time as the row keeps it ("yyyy-mm-dd hh:mm:ss"), and a
// text unique to this answer on this machine to make its key from.
std::string UtcTimeNow();
std::string AnswerUniqueText(const std::string& machine, const std::string& user);
// The computer's name.
std::string MachineName();

// The answers table in the site's database ("Record Database"): its SQL for
// each kind of database, and what is sent when, with a pending file in the
// user's own folder for rows the database has not taken yet.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runner/answer/answer_row.h"
#include "shared/connection_string.h"
#include "shared/settings_store.h"

enum class DbmsKind { SQLite, PostgreSQL, SqlServer, Other };

// From the driver's database product name (SQL_DBMS_NAME).
DbmsKind DbmsKindFromName(const std::string& dbmsName);

std::string CreateAnswersTableSql(DbmsKind kind);
std::string CreateAnswersIndexSql();
// Selects every column this program writes, none of the rows: it fails when
// the table is missing or was made with other columns.
std::string ProbeAnswersTableSql();
// One parameter per field, in the order of AnswerRow.
std::string InsertAnswerSql();
std::string CountAnswerByIdSql();

// What the program needs from the database; the ODBC one is the real one.
class AnswerDatabase {
public:
    virtual ~AnswerDatabase() = default;
    // Connects and makes sure the table is there; false when either fails.
    virtual bool Open() = 0;
    // True once the row is committed (or already was: a row sent before
    // whose answer was lost on the way back).
    virtual bool Insert(const AnswerRow& row) = 0;
};

// Opens the database and sends the rows in order; answers the rows that
// were not committed (all of them when the database cannot be opened).
std::vector<AnswerRow> SendAnswerRows(const std::vector<AnswerRow>& rows, AnswerDatabase& database);

// "<local application data>\Tessarin\PendingAnswers.txt"; empty without a base folder.
std::string PendingAnswersPath(const std::string& localAppData);

// The files DeliverAnswerRows works with; the real ones are the system's.
class PendingAnswerFiles {
public:
    virtual ~PendingAnswerFiles() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Read(const std::string& path, std::string* text) = 0;
    virtual bool Replace(const std::string& path, const std::string& text) = 0;
    virtual void Remove(const std::string& path) = 0;
};

using SendRows = std::function<std::vector<AnswerRow>(const std::vector<AnswerRow>&)>;

// The spare pending file beside it ("PendingAnswers-2.txt"): where rows go
// while the pending file itself cannot be read.
std::string SparePendingPath(const std::string& pendingPath);

// The new row (when given) first, then the good rows of the pending files
// (read only when they exist), go to send, which answers the rows left
// over. Those then wait in the pending file, or in the spare one while the
// pending file cannot be read (its rows stay in it untouched); files whose
// rows were all sent are removed. send is not called when there is nothing
// to send. Answers the rows left over.
std::vector<AnswerRow> DeliverAnswerRows(const std::string& pendingPath, const AnswerRow* newRow,
                                         PendingAnswerFiles& files, const SendRows& send);

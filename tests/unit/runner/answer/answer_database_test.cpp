// What is sent to the answers table and what stays in the pending file.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "runner/answer/answer_database.h"

namespace {

AnswerRow Row(const std::string& user) {
    AnswerRow row;
    row.Id = MakeAnswerRowId(user);
    row.User = user;
    row.UtcTime = "2026-12-07 08:15:00";
    return row;
}

std::vector<std::string> Users(const std::vector<AnswerRow>& rows) {
    std::vector<std::string> users;
    for (const AnswerRow& row : rows) users.push_back(row.User);
    return users;
}

class FakeDatabase : public AnswerDatabase {
public:
    bool Opens = true;
    std::string Refuses;  // a user whose row the database does not take
    std::vector<std::string> Inserted;
    bool Open() override { return Opens; }
    bool Insert(const AnswerRow& row) override {
        if (row.User == Refuses) return false;
        Inserted.push_back(row.User);
        return true;
    }
};

class FakeFiles : public PendingAnswerFiles {
public:
    std::map<std::string, std::string> Files;
    std::string Unreadable;  // a path that cannot be read
    int Writes = 0;
    bool Exists(const std::string& path) override { return Files.count(path) != 0; }
    bool Read(const std::string& path, std::string* text) override {
        if (path == Unreadable) return false;
        *text = Files[path];
        return true;
    }
    bool Replace(const std::string& path, const std::string& text) override {
        ++Writes;
        Files[path] = text;
        return true;
    }
    void Remove(const std::string& path) override { Files.erase(path); }
};

const char kPending[] = "C:\\Users\\anna\\AppData\\Local\\Tessarin\\PendingAnswers.txt";

TEST(AnswerDatabaseTest, RowsLeftOverAreExactlyTheOnesNotCommitted) {
    FakeDatabase database;
    const std::vector<AnswerRow> rows = {Row("anna"), Row("bert"), Row("cora")};
    EXPECT_TRUE(SendAnswerRows(rows, database).empty());
    database.Inserted.clear();
    database.Refuses = "bert";
    EXPECT_EQ(std::vector<std::string>{"bert"}, Users(SendAnswerRows(rows, database)));
    EXPECT_EQ((std::vector<std::string>{"anna", "cora"}), database.Inserted);
    database.Opens = false;
    EXPECT_EQ(3u, SendAnswerRows(rows, database).size());
}

TEST(AnswerDatabaseTest, PendingFileFollowsWhatTheDatabaseTook) {
    struct Case {
        const char* what;
        std::vector<std::string> pendingBefore;  // empty: no file
        std::string garbage;                     // appended to the file
        bool newRow;
        bool opens;
        std::string refuses;
        std::vector<std::string> sent;          // what send saw; "-" when it was not called
        std::vector<std::string> pendingAfter;  // empty: no file
    } cases[] = {
        {"no file, nothing new: nothing sent", {}, "", false, true, "", {"-"}, {}},
        {"new row taken: no file left", {}, "", true, true, "", {"new"}, {}},
        {"new row refused: kept", {}, "", true, false, "", {"new"}, {"new"}},
        {"pending sent, new one first", {"anna", "bert"}, "", true, true, "", {"new", "anna", "bert"}, {}},
        {"one refused stays alone", {"anna", "bert"}, "", true, true, "anna", {"new", "anna", "bert"}, {"anna"}},
        {"start: all sent, file removed", {"anna"}, "", false, true, "", {"anna"}, {}},
        {"start: unreachable, file kept", {"anna"}, "", false, false, "", {"anna"}, {"anna"}},
        {"garbage lines dropped, good ones sent", {"anna"}, "x\tgarbage\r\nA1\tcut", false, true, "", {"anna"}, {}},
    };
    for (const Case& c : cases) {
        FakeFiles files;
        if (!c.pendingBefore.empty() || !c.garbage.empty()) {
            std::vector<AnswerRow> rows;
            for (const std::string& user : c.pendingBefore) rows.push_back(Row(user));
            files.Files[kPending] = EncodePendingRows(rows) + c.garbage;
        }
        FakeDatabase database;
        database.Opens = c.opens;
        database.Refuses = c.refuses;
        std::vector<std::string> sent = {"-"};
        const AnswerRow fresh = Row("new");
        DeliverAnswerRows(kPending, c.newRow ? &fresh : nullptr, files, [&](const std::vector<AnswerRow>& rows) {
            sent = Users(rows);
            return SendAnswerRows(rows, database);
        });
        EXPECT_EQ(c.sent, sent) << c.what;
        if (c.pendingAfter.empty()) {
            EXPECT_FALSE(files.Exists(kPending)) << c.what;
        } else {
            ASSERT_TRUE(files.Exists(kPending)) << c.what;
            EXPECT_EQ(c.pendingAfter, Users(DecodePendingRows(files.Files[kPending]))) << c.what;
        }
    }
}

TEST(AnswerDatabaseTest, UnreadablePendingFileKeepsItsRowsAndLosesNoNewOne) {
    FakeFiles files;
    const std::string spare = SparePendingPath(kPending);
    EXPECT_EQ("C:\\Users\\anna\\AppData\\Local\\Tessarin\\PendingAnswers-2.txt", spare);
    files.Files[kPending] = EncodePendingRow(Row("anna"));
    files.Unreadable = kPending;
    FakeDatabase database;
    database.Opens = false;
    const auto send = [&](const std::vector<AnswerRow>& rows) { return SendAnswerRows(rows, database); };
    const AnswerRow fresh = Row("new");
    DeliverAnswerRows(kPending, &fresh, files, send);
    EXPECT_EQ(EncodePendingRow(Row("anna")), files.Files[kPending]);
    EXPECT_EQ(std::vector<std::string>{"new"}, Users(DecodePendingRows(files.Files[spare])));

    // Readable again: both files go to the pending one, then all to the database.
    files.Unreadable.clear();
    DeliverAnswerRows(kPending, nullptr, files, send);
    EXPECT_FALSE(files.Exists(spare));
    EXPECT_EQ((std::vector<std::string>{"anna", "new"}), Users(DecodePendingRows(files.Files[kPending])));
    database.Opens = true;
    DeliverAnswerRows(kPending, nullptr, files, send);
    EXPECT_TRUE(files.Files.empty());
    EXPECT_EQ((std::vector<std::string>{"anna", "new"}), database.Inserted);
}

TEST(AnswerDatabaseTest, ConnectionMustNameADriver) {
    for (const char* good : {"Driver={SQLite3 ODBC Driver};Database=x.db", "DSN=tsr", " driver = SQLite3 ",
                             "Server=db1;FILEDSN=c:\\tsr.dsn"})
        EXPECT_TRUE(NamesDriver(good)) << good;
    for (const char* bad :
         {"", "Database=x.db", "Driver=;Database=x.db", "Server=db1;Uid=tsr;Pwd=Driver=x", "MyDriver=x"})
        EXPECT_FALSE(NamesDriver(bad)) << bad;
}

TEST(AnswerDatabaseTest, SettingIsTheWholeValueUnlessOnlyANote) {
    const struct {
        const char* line;
        const char* connection;
    } cases[] = {
        {"Record Database=Driver=SQL Server;Server=db1,1433;Database=tsr",
         "Driver=SQL Server;Server=db1,1433;Database=tsr"},
        {"Record Database=  DSN=tsr  ", "DSN=tsr"},
        {"Record Database=,ODBC connection string", ""},
        {"Record Database=", ""},
        {"Other=DSN=tsr", ""},
    };
    for (const auto& c : cases) {
        SettingsStore settings;
        LoadSettingsText(std::string(c.line) + "\r\n", settings);
        EXPECT_EQ(c.connection, RecordDatabase(settings)) << c.line;
    }
}

TEST(AnswerDatabaseTest, TableSqlPerDatabase) {
    EXPECT_EQ(DbmsKind::SQLite, DbmsKindFromName("SQLite"));
    EXPECT_EQ(DbmsKind::PostgreSQL, DbmsKindFromName("PostgreSQL"));
    EXPECT_EQ(DbmsKind::SqlServer, DbmsKindFromName("Microsoft SQL Server"));
    EXPECT_EQ(DbmsKind::Other, DbmsKindFromName("Oracle"));
    // SQL Server's TIMESTAMP is a row version and its VARCHAR a code page.
    const std::string server = CreateAnswersTableSql(DbmsKind::SqlServer);
    EXPECT_NE(std::string::npos, server.find("utc_time DATETIME2"));
    EXPECT_NE(std::string::npos, server.find("user_name NVARCHAR(256)"));
    const std::string postgres = CreateAnswersTableSql(DbmsKind::PostgreSQL);
    EXPECT_NE(std::string::npos, postgres.find("utc_time TIMESTAMP"));
    EXPECT_EQ(std::string::npos, postgres.find("NVARCHAR"));
    // Every column written is created and probed, one parameter each.
    const std::string insert = InsertAnswerSql();
    EXPECT_EQ(11, std::count(insert.begin(), insert.end(), '?'));
    for (const char* column : {"id", "user_name", "machine", "ip_address", "mac_address", "answer", "local_time",
                               "utc_time", "document_path", "document_sha256", "program_version"}) {
        EXPECT_NE(std::string::npos, postgres.find(std::string(column) + " ")) << column;
        EXPECT_NE(std::string::npos, ProbeAnswersTableSql().find(column)) << column;
        EXPECT_NE(std::string::npos, insert.find(column)) << column;
    }
}

}  // namespace

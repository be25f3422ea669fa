#include "runner/answer/answer_database.h"

#include "shared/file_routines.h"
#include "shared/text_routines.h"

namespace {

// Text columns: national characters where the database keeps plain
// VARCHAR in a code page (SQL Server); UTF-8 elsewhere.
std::string Text(DbmsKind kind, int size) {
    return (kind == DbmsKind::SqlServer ? "NVARCHAR(" : "VARCHAR(") + std::to_string(size) + ")";
}

}  // namespace

DbmsKind DbmsKindFromName(const std::string& dbmsName) {
    const std::string name = ToLower(dbmsName);
    if (name.find("sqlite") != std::string::npos) return DbmsKind::SQLite;
    if (name.find("postgres") != std::string::npos) return DbmsKind::PostgreSQL;
    if (name.find("sql server") != std::string::npos) return DbmsKind::SqlServer;
    return DbmsKind::Other;
}

std::string CreateAnswersTableSql(DbmsKind kind) {
    // TIMESTAMP is a row version on SQL Server, not a time.
    const std::string time = kind == DbmsKind::SqlServer ? "DATETIME2" : "TIMESTAMP";
    return "CREATE TABLE tsr_answers ("
           "id VARCHAR(32) NOT NULL PRIMARY KEY, "
           "user_name " +
           Text(kind, 256) +
           " NOT NULL, "
           "machine " +
           Text(kind, 256) +
           ", "
           "ip_address VARCHAR(64), "
           "mac_address VARCHAR(64), "
           "answer " +
           Text(kind, 256) +
           ", "
           "local_time " +
           Text(kind, 64) +
           ", "
           "utc_time " +
           time +
           " NOT NULL, "
           "document_path " +
           Text(kind, 1024) +
           ", "
           "document_sha256 CHAR(64), "
           "program_version VARCHAR(32))";
}

std::string CreateAnswersIndexSql() {
    return "CREATE INDEX tsr_answers_user_time ON tsr_answers (user_name, utc_time)";
}

std::string ProbeAnswersTableSql() {
    return "SELECT id, user_name, machine, ip_address, mac_address, answer, local_time, utc_time, document_path, "
           "document_sha256, program_version FROM tsr_answers WHERE 1 = 0";
}

std::string InsertAnswerSql() {
    return "INSERT INTO tsr_answers (id, user_name, machine, ip_address, mac_address, answer, local_time, utc_time, "
           "document_path, document_sha256, program_version) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
}

std::string CountAnswerByIdSql() { return "SELECT COUNT(*) FROM tsr_answers WHERE id = ?"; }

std::vector<AnswerRow> SendAnswerRows(const std::vector<AnswerRow>& rows, AnswerDatabase& database) {
    if (rows.empty() || !database.Open()) return rows;
    std::vector<AnswerRow> left;
    for (const AnswerRow& row : rows) {
        if (!database.Insert(row)) left.push_back(row);
    }
    return left;
}

std::string PendingAnswersPath(const std::string& localAppData) {
    if (localAppData.empty()) return std::string();
    return JoinPath(JoinPath(localAppData, "Tessarin"), "PendingAnswers.txt");
}

std::string SparePendingPath(const std::string& pendingPath) {
    if (pendingPath.empty()) return std::string();
    const std::size_t dot = pendingPath.rfind('.');
    return pendingPath.substr(0, dot) + "-2" + (dot == std::string::npos ? "" : pendingPath.substr(dot));
}

std::vector<AnswerRow> DeliverAnswerRows(const std::string& pendingPath, const AnswerRow* newRow,
                                         PendingAnswerFiles& files, const SendRows& send) {
    // A pending file another program holds open, or one made unreadable,
    // must neither be lost nor lose the new row: its rows wait in it and the
    // rows left over go to the spare file beside it.
    struct Source {
        std::string Path;
        bool Exists = false;
        bool Readable = true;
    } sources[2] = {{pendingPath}, {SparePendingPath(pendingPath)}};
    std::vector<AnswerRow> rows;
    if (newRow) rows.push_back(*newRow);  // first: a slow database must not hold the user's own answer back
    for (Source& source : sources) {
        if (source.Path.empty()) continue;
        source.Exists = files.Exists(source.Path);
        std::string text;
        source.Readable = !source.Exists || files.Read(source.Path, &text);
        if (!source.Exists || !source.Readable) continue;
        const std::vector<AnswerRow> kept = DecodePendingRows(text);
        rows.insert(rows.end(), kept.begin(), kept.end());
    }
    std::vector<AnswerRow> left = rows.empty() ? rows : send(rows);
    const Source* target = nullptr;
    for (const Source& source : sources) {
        if (!source.Path.empty() && source.Readable) {
            target = &source;
            break;
        }
    }
    if (!target) return left;
    const bool changed = newRow || left.size() != rows.size() || (sources[0].Exists && sources[1].Exists);
    if (!left.empty() && changed && !files.Replace(target->Path, EncodePendingRows(left))) return left;
    for (const Source& source : sources) {
        // Only after the rows left over are safe in the target.
        if (source.Exists && source.Readable && (left.empty() || &source != target)) files.Remove(source.Path);
    }
    return left;
}

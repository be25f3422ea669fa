#include "admin/records/sql_script.h"

#include "admin/records/log_files.h"

std::string SqlValues(const std::vector<std::string>& texts) {
    std::string values;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) values += ',';
        values += '\'';
        for (const char c : texts[i]) {
            if (c == '\'') values += '\'';
            values += c;
        }
        values += '\'';
    }
    return values;
}

std::string SqlLine(const std::string& sqlTemplate, const std::vector<std::string>& texts) {
    const std::size_t open = sqlTemplate.rfind('(');
    const std::size_t close = sqlTemplate.rfind(')');
    const std::string before = open == std::string::npos ? std::string() : sqlTemplate.substr(0, open + 1);
    const std::string after = close == std::string::npos ? sqlTemplate : sqlTemplate.substr(close);
    return before + SqlValues(texts) + after;
}

std::string SqlScriptText(const std::string& sqlTemplate, const std::vector<std::vector<std::string>>& rows) {
    std::string script;
    for (const auto& row : rows) script += SqlLine(sqlTemplate, row) + "\r\n";
    return script;
}

OutputStatus GenerateSqlFile(const std::string& sqlTemplate, const std::vector<std::vector<std::string>>& rows,
                             const std::string& outputFolder) {
    const std::string path = outputFolder + kSqlFileName;
    return WriteWhole("The SQL script", path, SqlScriptText(sqlTemplate, rows), "Sql have been generated in " + path);
}

// One answer as a row of the site's answers table, and the text form a row
// takes in the pending file while the database cannot be reached.
#pragma once

#include <string>
#include <vector>

struct AnswerRow {
    std::string Id;  // made once per answer; the database's key, so a row sent twice stays one row
    std::string User;
    std::string Machine;    // the computer's name
    std::string Ip;         // empty unless "Save Machine ID" asks for it
    std::string Mac;        // likewise
    std::string Answer;     // the pressed button's caption
    std::string LocalTime;  // the record's own date and time text
    std::string UtcTime;    // "yyyy-mm-dd hh:mm:ss"
    std::string DocumentPath;
    std::string DocumentSha256;
    std::string Version;  // the program's
};

// The row's key: 32 hexadecimal digits drawn from the given text, which
// should hold everything that makes this answer unique (machine, user,
// time to the millisecond, process).
std::string MakeAnswerRowId(const std::string& uniqueText);

// Reads "yyyy-mm-dd hh:mm:ss" with every part in range; false otherwise.
bool ParseUtcTime(const std::string& text, int parts[6]);

// The document's path from the view's location: a file: URL becomes a
// Windows path; anything else is kept.
std::string DocumentPathFromLocation(const std::string& location);

// One line per row, CR LF ended. Fields are tab-separated with tab, CR, LF
// and backslash escaped, and the line carries a check value, so a line cut
// short or changed by hand is known and skipped rather than sent.
std::string EncodePendingRow(const AnswerRow& row);
bool DecodePendingRow(const std::string& line, AnswerRow* row);

std::string EncodePendingRows(const std::vector<AnswerRow>& rows);
// Every good line of a pending file, in order; bad lines are dropped.
std::vector<AnswerRow> DecodePendingRows(const std::string& text);

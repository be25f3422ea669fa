// A record's text as the log tab shows and bundles it: every line of the
// file followed by CR LF. A line ends at CR LF or a lone CR (a lone LF stays
// inside its line, as the settings files read); a last line without an end
// gets one. Bytes are copied as they are, binary ones included.
#pragma once

#include <cstddef>
#include <string>

// Turns file bytes into that text piece by piece, so a large file can be
// streamed: Add each piece in order, then Finish once.
class LineEndNormaliser {
public:
    void Add(const char* data, std::size_t size, std::string* out);
    void Finish(std::string* out);

private:
    bool afterCr_ = false;
    bool openLine_ = false;  // bytes written since the last line end
};

std::string NormaliseLineEnds(const std::string& bytes);

// The text the log tip shows for a "Log File" cell: the start of the record
// (a tip shows about a thousand characters; a record of megabytes is not read
// whole on every mouse move). Empty for a cell that names no one record file.
constexpr std::size_t kLogTipReadLimit = 16 * 1024;
std::string LogTipText(const std::string& logFolder, const std::string& logFile);

// What the list does with the tip on a mouse move.
enum class LogTipAction {
    Keep,    // same row as last time: the tip stays
    Show,    // a new row: show its record
    Destroy  // not following the mouse now
};
// row: the row under the mouse. *lastLogRow is updated when a new row is shown.
LogTipAction DecideLogTip(bool autoShowLog, bool leftButtonHeld, long row, long* lastLogRow);

// Where the tip points, in the window's units: x = X + the list's left edge;
// y = (row - first visible row + 3) * height of row 1 + the list's top edge.
struct TipPoint {
    long X, Y;
};
TipPoint LogTipPoint(long mouseX, long row, long topRow, long rowHeight, long listLeft, long listTop);

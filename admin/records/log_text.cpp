#include "admin/records/log_text.h"

#include <cstring>

#include "admin/records/log_files.h"
#include "shared/file_routines.h"

void LineEndNormaliser::Add(const char* data, std::size_t size, std::string* out) {
    std::size_t start = 0;  // the run not yet copied
    for (std::size_t i = 0; i < size; ++i) {
        const char c = data[i];
        if (afterCr_) {
            afterCr_ = false;
            if (c == '\n') {  // the CR LF is complete: copy the LF with the run
                continue;
            }
            // A lone CR: its LF goes in before this byte.
            out->append(data + start, i - start);
            out->push_back('\n');
            start = i;
        }
        if (c == '\r') {
            afterCr_ = true;
            openLine_ = false;
        } else {
            openLine_ = true;
        }
    }
    out->append(data + start, size - start);
}

void LineEndNormaliser::Finish(std::string* out) {
    if (afterCr_) out->push_back('\n');
    else if (openLine_) out->append("\r\n");
    afterCr_ = openLine_ = false;
}

std::string NormaliseLineEnds(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + 2);
    LineEndNormaliser normaliser;
    normaliser.Add(bytes.data(), bytes.size(), &text);
    normaliser.Finish(&text);
    return text;
}

std::string LogTipText(const std::string& logFolder, const std::string& logFile) {
    if (!IsPlainFileName(logFile)) return std::string();
    std::string bytes;
    ReadFileStart(JoinPath(logFolder, logFile), kLogTipReadLimit, &bytes);
    return NormaliseLineEnds(bytes);
}

LogTipAction DecideLogTip(bool autoShowLog, bool leftButtonHeld, long row, long* lastLogRow) {
    if (!autoShowLog && !leftButtonHeld) return LogTipAction::Destroy;
    if (row == *lastLogRow) return LogTipAction::Keep;
    *lastLogRow = row;
    return LogTipAction::Show;
}

TipPoint LogTipPoint(long mouseX, long row, long topRow, long rowHeight, long listLeft, long listTop) {
    return TipPoint{mouseX + listLeft, (row - topRow + 3) * rowHeight + listTop};
}

#include "runner/answer/answer_row.h"

#include <cstdint>
#include <cstdio>

#include "shared/sha256.h"

namespace {

const char kLineMark[] = "A1";
const std::size_t kFieldCount = 11;

std::string* Fields(AnswerRow& row, std::size_t index) {
    std::string* fields[kFieldCount] = {&row.Id,           &row.User,           &row.Machine,   &row.Ip,
                                        &row.Mac,          &row.Answer,         &row.LocalTime, &row.UtcTime,
                                        &row.DocumentPath, &row.DocumentSha256, &row.Version};
    return fields[index];
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

bool Unescape(const std::string& text, std::string* out) {
    out->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            *out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
        case '\\': *out += '\\'; break;
        case 't': *out += '\t'; break;
        case 'r': *out += '\r'; break;
        case 'n': *out += '\n'; break;
        default: return false;
        }
    }
    return true;
}

// FNV-1a: enough to tell a damaged line from a whole one.
std::string CheckValue(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
    char out[9];
    std::snprintf(out, sizeof out, "%08x", static_cast<unsigned>(hash));
    return out;
}

std::vector<std::string> SplitTabs(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '\t') parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string MakeAnswerRowId(const std::string& uniqueText) { return Sha256Hex(uniqueText).substr(0, 32); }

bool ParseUtcTime(const std::string& text, int parts[6]) {
    static const int kMax[6] = {9999, 12, 31, 23, 59, 59};
    static const int kMin[6] = {1601, 1, 1, 0, 0, 0};
    if (text.size() != 19) return false;
    const char* const pattern = "dddd-dd-dd dd:dd:dd";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == 'd' ? !digit : text[i] != pattern[i]) return false;
    }
    const int starts[6] = {0, 5, 8, 11, 14, 17};
    for (int i = 0; i < 6; ++i) {
        parts[i] = std::stoi(text.substr(starts[i], i == 0 ? 4 : 2));
        if (parts[i] < kMin[i] || parts[i] > kMax[i]) return false;
    }
    return true;
}

std::string DocumentPathFromLocation(const std::string& location) {
    const std::string scheme = "file:";
    if (location.compare(0, scheme.size(), scheme) != 0) return location;
    std::string rest = location.substr(scheme.size());
    std::size_t slashes = 0;
    while (slashes < rest.size() && rest[slashes] == '/') ++slashes;
    // file:///C:/x is a drive path; file://server/share/x a share.
    rest = slashes == 2 ? "\\\\" + rest.substr(2) : rest.substr(slashes);
    std::string path;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 2 < rest.size() && HexValue(rest[i + 1]) >= 0 && HexValue(rest[i + 2]) >= 0) {
            path += static_cast<char>(HexValue(rest[i + 1]) * 16 + HexValue(rest[i + 2]));
            i += 2;
        } else {
            path += rest[i] == '/' ? '\\' : rest[i];
        }
    }
    return path;
}

std::string EncodePendingRow(const AnswerRow& row) {
    AnswerRow copy = row;
    std::string line = kLineMark;
    for (std::size_t i = 0; i < kFieldCount; ++i) line += "\t" + Escape(*Fields(copy, i));
    return line + "\t" + CheckValue(line) + "\r\n";
}

bool DecodePendingRow(const std::string& line, AnswerRow* row) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    const std::size_t lastTab = text.rfind('\t');
    if (lastTab == std::string::npos || text.substr(lastTab + 1) != CheckValue(text.substr(0, lastTab))) return false;
    const std::vector<std::string> parts = SplitTabs(text.substr(0, lastTab));
    if (parts.size() != kFieldCount + 1 || parts[0] != kLineMark) return false;
    AnswerRow decoded;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (!Unescape(parts[i + 1], Fields(decoded, i))) return false;
    }
    int time[6];
    if (decoded.Id.empty() || decoded.User.empty() || !ParseUtcTime(decoded.UtcTime, time)) return false;
    *row = decoded;
    return true;
}

std::string EncodePendingRows(const std::vector<AnswerRow>& rows) {
    std::string text;
    for (const AnswerRow& row : rows) text += EncodePendingRow(row);
    return text;
}

std::vector<AnswerRow> DecodePendingRows(const std::string& text) {
    std::vector<AnswerRow> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        // A last line without its line end was cut while being written.
        if (end == std::string::npos) break;
        AnswerRow row;
        if (DecodePendingRow(text.substr(start, end - start), &row)) rows.push_back(row);
        start = end + 1;
    }
    return rows;
}

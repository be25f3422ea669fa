#include "shared/connection_string.h"

#include <algorithm>
#include <vector>

#include "shared/text_routines.h"

namespace {

constexpr char kMask[] = "*****";

struct ValueSpan {
    std::size_t Start, End;  // the value's bytes, braces included
};

// The password values of a connection string, where they lie in it.
std::vector<ValueSpan> PasswordValues(const std::string& connection) {
    std::vector<ValueSpan> spans;
    std::size_t start = 0;
    while (start < connection.size()) {
        const std::size_t equals = connection.find('=', start);
        if (equals == std::string::npos) break;
        const std::string key = ToLower(TrimBlanks(connection.substr(start, equals - start)));
        std::size_t end = equals + 1;
        while (end < connection.size() && (connection[end] == ' ' || connection[end] == '\t')) ++end;
        if (end < connection.size() && connection[end] == '{') {
            // "}}" inside braces is a brace of the value.
            ++end;
            while (end < connection.size()) {
                if (connection[end] == '}') {
                    if (end + 1 < connection.size() && connection[end + 1] == '}') {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        }
        end = std::min(connection.find(';', end), connection.size());
        if (key == "pwd" || key == "password") spans.push_back({equals + 1, end});
        start = end + 1;
    }
    return spans;
}

}  // namespace

std::string RecordDatabase(const SettingsStore& settings) {
    const std::string value = TrimBlanks(GetSettingValue(kRecordDatabaseKey, settings));
    return value.empty() || value[0] == ',' ? std::string() : value;
}

bool NamesDriver(const std::string& connectionString) {
    std::size_t start = 0;
    while (start <= connectionString.size()) {
        std::size_t end = connectionString.find(';', start);
        if (end == std::string::npos) end = connectionString.size();
        const std::string pair = connectionString.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        if (equals != std::string::npos && !TrimBlanks(pair.substr(equals + 1)).empty()) {
            const std::string key = ToLower(TrimBlanks(pair.substr(0, equals)));
            if (key == "driver" || key == "dsn" || key == "filedsn") return true;
        }
        start = end + 1;
    }
    return false;
}

std::string MaskConnectionPassword(const std::string& connection) {
    std::string masked = connection;
    const auto spans = PasswordValues(connection);
    for (auto span = spans.rbegin(); span != spans.rend(); ++span)
        masked.replace(span->Start, span->End - span->Start, kMask);
    return masked;
}

std::string HidePasswords(const std::string& text, const std::string& connection) {
    std::string hidden = text;
    for (const ValueSpan& span : PasswordValues(connection)) {
        std::string value = TrimBlanks(connection.substr(span.Start, span.End - span.Start));
        if (value.size() >= 2 && value.front() == '{' && value.back() == '}') {
            std::string inner = value.substr(1, value.size() - 2);
            for (std::size_t at = inner.find("}}"); at != std::string::npos; at = inner.find("}}", at + 1))
                inner.erase(at, 1);
            value = inner;
        }
        if (value.empty()) continue;
        for (std::size_t at = hidden.find(value); at != std::string::npos; at = hidden.find(value, at + 5))
            hidden.replace(at, value.size(), kMask);
    }
    return hidden;
}

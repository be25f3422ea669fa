#include "shared/file_routines.h"

#include <cstring>

#include "shared/text_routines.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

}  // namespace

bool IsDeviceName(const std::string& path) {
    if (path.rfind("\\\\.\\", 0) == 0 || path.rfind("//./", 0) == 0) return true;
    std::string base = FileNameOf(path);
    base = base.substr(0, base.find('.'));
    while (!base.empty() && (base.back() == ' ' || base.back() == '.')) base.pop_back();
    if (base.size() != 3 && base.size() != 4) return false;
    const std::string name = ToLower(base);
    if (name == "con" || name == "prn" || name == "aux" || name == "nul") return true;
    return name.size() == 4 && (name.compare(0, 3, "com") == 0 || name.compare(0, 3, "lpt") == 0) && name[3] >= '1' &&
           name[3] <= '9';
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c)) return false;
    }
    if (name.back() == '.' || name.back() == ' ') return false;
    return !IsDeviceName(name);
}

std::string FolderOf(const std::string& path) {
    std::size_t at = LastSeparator(path);
    return at == std::string::npos ? std::string() : path.substr(0, at);
}

std::string FileNameOf(const std::string& path) {
    std::size_t at = LastSeparator(path);
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    char last = folder.back();
    if (last == '\\' || last == '/') return folder + name;
    return folder + kSeparator + name;
}

bool WriteTextFile(const std::string& text, const std::string& path) {
    return ReplaceFileAtomically(path, text + "\r\n");
}

std::string ReadTextFile(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, &bytes);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 2);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        text.append(bytes, start, end - start).append("\r\n");
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return text;
}

bool ReadWholeFile(const std::string& path, std::string* content) {
    return ReadFileStart(path, static_cast<std::size_t>(-1), content);
}

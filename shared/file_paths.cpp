#include "shared/file_routines.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

}  // namespace

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

bool ReadWholeFile(const std::string& path, std::string* content) {
    return ReadFileStart(path, static_cast<std::size_t>(-1), content);
}

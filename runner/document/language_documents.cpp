#include "runner/document/language_documents.h"

#include "shared/file_routines.h"

std::vector<std::string> LanguageFolders(const std::string& localeName) {
    std::vector<std::string> folders;
    std::string name = localeName;
    // Only a plain tag: letters, digits and "-" (a locale name such as
    // "de_DE.UTF-8" arrives as "de-DE" from the system).
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!plain) return folders;
    }
    while (!name.empty() && name.front() != '-' && name.back() != '-') {
        folders.push_back(name);
        const std::size_t cut = name.rfind('-');
        if (cut == std::string::npos) break;
        name.erase(cut);
    }
    return folders;
}

std::vector<std::string> LanguageCandidates(const std::string& path, const std::string& localeName) {
    std::vector<std::string> candidates;
    const std::string folder = FolderOf(path), name = FileNameOf(path);
    if (!name.empty() && !folder.empty() && folder.size() < path.size()) {
        // The separator the path itself uses after its folder.
        const char separator = path[folder.size()];
        for (const std::string& language : LanguageFolders(localeName)) {
            candidates.push_back(folder + separator + language + separator + name);
        }
    }
    candidates.push_back(path);
    return candidates;
}

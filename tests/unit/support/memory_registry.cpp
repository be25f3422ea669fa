#include "support/memory_registry.h"

#include "shared/text_routines.h"

MemoryRegistry::KeyName MemoryRegistry::Name(RegHive hive, const std::string& path) {
    std::string p = ToLower(path);
    while (!p.empty() && p.back() == '\\') p.pop_back();  // as the system allows
    return {hive, p};
}

bool MemoryRegistry::ValidPath(const std::string& path) {
    // The system refuses a path that starts with "\" or holds an empty part.
    if (!path.empty() && path.front() == '\\') return false;
    std::string trimmed = path;
    while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
    return trimmed.find("\\\\") == std::string::npos;
}

long MemoryRegistry::CreateKey(RegHive hive, const std::string& path, RegKeyId* key) {
    if (!ValidPath(path)) return kRegBadPathname;
    KeyName name = Name(hive, path);
    if (readOnly_.count(name)) return kRegAccessDenied;
    // Every key above it comes into being as well.
    std::string p = name.second;
    for (std::size_t at = p.find('\\'); at != std::string::npos; at = p.find('\\', at + 1))
        keys_.insert({hive, p.substr(0, at)});
    keys_.insert(name);
    *key = nextHandle_++;
    handles_[*key] = Handle{name, true};
    return kRegSuccess;
}

long MemoryRegistry::OpenKey(RegHive hive, const std::string& path, std::uint32_t access, RegKeyId* key) {
    OpenAccessLog.push_back(access);
    if (!ValidPath(path)) return kRegBadPathname;
    KeyName name = Name(hive, path);
    if (!name.second.empty() && !keys_.count(name)) return kRegFileNotFound;
    bool wantsWrite = access == kKeyAllAccess;
    if (wantsWrite && readOnly_.count(name)) return kRegAccessDenied;
    *key = nextHandle_++;
    handles_[*key] = Handle{name, !readOnly_.count(name)};
    return kRegSuccess;
}

long MemoryRegistry::QueryValue(RegKeyId key, const std::string& name, std::string* data, std::uint32_t* size) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) return 6;  // invalid handle
    auto& values = values_[handle->second.Key];
    auto value = values.find(ToLower(name));
    if (value == values.end()) return kRegFileNotFound;
    const std::string& bytes = value->second;
    std::uint32_t capacity = *size;
    *size = static_cast<std::uint32_t>(bytes.size());
    if (!data) return kRegSuccess;
    if (bytes.size() > capacity) return kRegMoreData;
    *data = bytes;
    return kRegSuccess;
}

long MemoryRegistry::SetStringValue(RegKeyId key, const std::string& name, const std::string& bytes) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) return 6;
    if (!handle->second.Writable) return kRegAccessDenied;
    values_[handle->second.Key][ToLower(name)] = bytes;
    return kRegSuccess;
}

long MemoryRegistry::DeleteValue(RegKeyId key, const std::string& name) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) return 6;
    if (!handle->second.Writable) return kRegAccessDenied;
    return values_[handle->second.Key].erase(ToLower(name)) ? kRegSuccess : kRegFileNotFound;
}

long MemoryRegistry::DeleteKey(RegHive hive, const std::string& path) {
    if (!ValidPath(path) || path.empty()) return kRegBadPathname;
    KeyName name = Name(hive, path);
    if (!keys_.count(name)) return kRegFileNotFound;
    if (readOnly_.count(name)) return kRegAccessDenied;
    std::string prefix = name.second + "\\";
    for (const KeyName& other : keys_)
        if (other.first == hive && other.second.compare(0, prefix.size(), prefix) == 0)
            return kRegAccessDenied;  // the system will not delete a key with subkeys
    keys_.erase(name);
    values_.erase(name);
    return kRegSuccess;
}

long MemoryRegistry::CloseKey(RegKeyId key) {
    if (!handles_.erase(key)) return 6;
    return FailClose ? 6 : kRegSuccess;
}

bool MemoryRegistry::KeyExists(RegHive hive, const std::string& path) const {
    return keys_.count(Name(hive, path)) > 0;
}

bool MemoryRegistry::ValueExists(RegHive hive, const std::string& path, const std::string& name) const {
    auto key = values_.find(Name(hive, path));
    return key != values_.end() && key->second.count(ToLower(name)) > 0;
}

std::string MemoryRegistry::ValueBytes(RegHive hive, const std::string& path, const std::string& name) const {
    auto key = values_.find(Name(hive, path));
    if (key == values_.end()) return std::string();
    auto value = key->second.find(ToLower(name));
    return value == key->second.end() ? std::string() : value->second;
}

void MemoryRegistry::PutRawValue(RegHive hive, const std::string& path, const std::string& name,
                                 const std::string& bytes) {
    RegKeyId key = 0;
    if (CreateKey(hive, path, &key) == kRegSuccess) {
        values_[Name(hive, path)][ToLower(name)] = bytes;
        handles_.erase(key);
    }
}

void MemoryRegistry::DenyWriteAccess(RegHive hive, const std::string& path) { readOnly_.insert(Name(hive, path)); }

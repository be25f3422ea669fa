// An in-memory registry for tests: keys are case-insensitive paths under a
// hive, values keep their bytes. Tests can deny full access to a key (as a
// user without write rights meets it) and make closing a key fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shared/registry.h"

class MemoryRegistry : public Registry {
public:
    long CreateKey(RegHive hive, const std::string& path, RegKeyId* key) override;
    long OpenKey(RegHive hive, const std::string& path, std::uint32_t access, RegKeyId* key) override;
    long QueryValue(RegKeyId key, const std::string& name, std::string* data, std::uint32_t* size) override;
    long SetStringValue(RegKeyId key, const std::string& name, const std::string& bytes) override;
    long DeleteValue(RegKeyId key, const std::string& name) override;
    long DeleteKey(RegHive hive, const std::string& path) override;
    long CloseKey(RegKeyId key) override;
    void ShowError(const std::string& message) override { Errors.push_back(message); }

    // Test controls and checks.
    bool KeyExists(RegHive hive, const std::string& path) const;
    bool ValueExists(RegHive hive, const std::string& path, const std::string& name) const;
    // The stored bytes of a value ("" when missing).
    std::string ValueBytes(RegHive hive, const std::string& path, const std::string& name) const;
    void PutRawValue(RegHive hive, const std::string& path, const std::string& name, const std::string& bytes);
    void DenyWriteAccess(RegHive hive, const std::string& path);
    std::size_t OpenKeyCount() const { return handles_.size(); }

    bool FailClose = false;
    std::vector<std::string> Errors;
    std::vector<std::uint32_t> OpenAccessLog;

private:
    using KeyName = std::pair<RegHive, std::string>;  // hive, lower-case path
    struct Handle {
        KeyName Key;
        bool Writable = true;
    };
    static KeyName Name(RegHive hive, const std::string& path);
    static bool ValidPath(const std::string& path);

    std::set<KeyName> keys_;
    std::map<KeyName, std::map<std::string, std::string>> values_;  // lower-case names
    std::set<KeyName> readOnly_;
    std::map<RegKeyId, Handle> handles_;
    RegKeyId nextHandle_ = 0x1000;
};

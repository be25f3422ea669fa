// The registry seam over advapi32.
#pragma once

#include "shared/registry.h"

class Win32Registry : public Registry {
public:
    long CreateKey(RegHive hive, const std::string& path, RegKeyId* key) override;
    long OpenKey(RegHive hive, const std::string& path, std::uint32_t access, RegKeyId* key) override;
    long QueryValue(RegKeyId key, const std::string& name, std::string* data, std::uint32_t* size) override;
    long SetStringValue(RegKeyId key, const std::string& name, const std::string& bytes) override;
    long DeleteValue(RegKeyId key, const std::string& name) override;
    long DeleteKey(RegHive hive, const std::string& path) override;
    long CloseKey(RegKeyId key) override;
    void ShowError(const std::string& message) override;
};

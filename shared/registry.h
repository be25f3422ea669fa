// Registry access: string values and keys under the system's root keys.
//
// Conventions: key paths are relative to a hive and may carry one leading and
// one trailing "\"; the value name "*" stands for the key's default value.
// No routine raises: success is the boolean result, or the default or empty
// text for reads.
#pragma once

#include <cstdint>
#include <string>

// Root keys, as the system numbers its predefined handles.
using RegHive = std::uint32_t;
constexpr RegHive kHkeyClassesRoot = 0x80000000u;
constexpr RegHive kHkeyCurrentUser = 0x80000001u;
constexpr RegHive kHkeyLocalMachine = 0x80000002u;
constexpr RegHive kHkeyUsers = 0x80000003u;

// Access masks and answers of the registry functions.
constexpr std::uint32_t kKeyAllAccess = 0xF003F;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyDefaultAccess = 0;  // what RegOpenKeyA asks for
constexpr long kRegSuccess = 0;
constexpr long kRegFileNotFound = 2;
constexpr long kRegAccessDenied = 5;
constexpr long kRegBadPathname = 161;
constexpr long kRegMoreData = 234;

using RegKeyId = std::uintptr_t;

// The seam to the system's registry; answers are the system's error codes.
class Registry {
public:
    virtual ~Registry() = default;
    // Opens or creates the key and every missing key above it.
    virtual long CreateKey(RegHive hive, const std::string& path, RegKeyId* key) = 0;
    virtual long OpenKey(RegHive hive, const std::string& path, std::uint32_t access, RegKeyId* key) = 0;
    // With data null: *size becomes the value's size in bytes. Otherwise
    // reads at most *size bytes into *data (kRegMoreData when it does not
    // fit); *size becomes the value's size either way.
    virtual long QueryValue(RegKeyId key, const std::string& name, std::string* data, std::uint32_t* size) = 0;
    // Writes the bytes as a REG_SZ value (the caller includes the NUL).
    virtual long SetStringValue(RegKeyId key, const std::string& name, const std::string& bytes) = 0;
    virtual long DeleteValue(RegKeyId key, const std::string& name) = 0;
    // Deletes a key that has no subkeys.
    virtual long DeleteKey(RegHive hive, const std::string& path) = 0;
    virtual long CloseKey(RegKeyId key) = 0;
    // Shows an error message to the user (stop icon, OK button).
    virtual void ShowError(const std::string& message) = 0;
};

// Writes text as a REG_SZ value, creating the key path when missing.
bool RegSetString(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName,
                  const std::string& text);
// Reads a string value; opens with full access and, when that is denied,
// read-only. The default text when the key or value is missing or empty.
std::string RegGetString(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName,
                         const std::string& defaultText);
// Reads a string value of up to 254 characters; empty text otherwise. A key
// that cannot be closed is reported with "RegCloseKey Failed: " and the path.
std::string RegQueryString(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName);
// With a value name deletes that value; with an empty name deletes the key
// itself, which must have no subkeys.
bool RegDelete(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName);
// Removes one "\" from the start and one from the end, when present.
std::string StripSlashes(const std::string& keyPath);

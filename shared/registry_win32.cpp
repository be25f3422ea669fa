#include "shared/registry_win32.h"

#include <windows.h>

#include "shared/file_routines.h"
#include "shared/identity.h"

namespace {

// The predefined root keys are 32-bit values that a 64-bit HKEY holds
// sign-extended.
HKEY HiveKey(RegHive hive) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(hive))); }

HKEY KeyOf(RegKeyId key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long Win32Registry::CreateKey(RegHive hive, const std::string& path, RegKeyId* key) {
    HKEY created = nullptr;
    DWORD disposition = 0;
    LONG result = RegCreateKeyExA(HiveKey(hive), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &created, &disposition);
    *key = reinterpret_cast<RegKeyId>(created);
    return result;
}

long Win32Registry::OpenKey(RegHive hive, const std::string& path, std::uint32_t access, RegKeyId* key) {
    HKEY opened = nullptr;
    LONG result = access == kKeyDefaultAccess ? RegOpenKeyA(HiveKey(hive), path.c_str(), &opened)
                                              : RegOpenKeyExA(HiveKey(hive), path.c_str(), 0, access, &opened);
    *key = reinterpret_cast<RegKeyId>(opened);
    return result;
}

long Win32Registry::QueryValue(RegKeyId key, const std::string& name, std::string* data, std::uint32_t* size) {
    DWORD type = 0;
    if (!data) {
        DWORD needed = 0;
        LONG result = RegQueryValueExA(KeyOf(key), name.c_str(), nullptr, &type, nullptr, &needed);
        *size = needed;
        return result;
    }
    std::string buffer(*size, '\0');
    DWORD got = *size;
    LONG result = RegQueryValueExA(KeyOf(key), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.empty() ? nullptr : &buffer[0]), &got);
    *size = got;
    if (result == ERROR_SUCCESS) {
        if (got < buffer.size()) buffer.resize(got);
        *data = buffer;
    }
    return result;
}

long Win32Registry::SetStringValue(RegKeyId key, const std::string& name, const std::string& bytes) {
    return RegSetValueExA(KeyOf(key), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

long Win32Registry::DeleteValue(RegKeyId key, const std::string& name) {
    return RegDeleteValueA(KeyOf(key), name.c_str());
}

long Win32Registry::DeleteKey(RegHive hive, const std::string& path) {
    // An empty path would name the root key itself.
    if (path.empty()) return ERROR_BAD_PATHNAME;
    return RegDeleteKeyA(HiveKey(hive), path.c_str());
}

long Win32Registry::CloseKey(RegKeyId key) { return RegCloseKey(KeyOf(key)); }

void Win32Registry::ShowError(const std::string& message) {
    // Captioned with the program's title, as the programs' other boxes are.
    std::string title = FileNameOf(AppExePath());
    std::size_t dot = title.rfind('.');
    if (dot != std::string::npos) title.erase(dot);
    MessageBoxA(nullptr, message.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
}

#include "shared/registry.h"

namespace {

// "*" names the key's default value, which the system calls "".
std::string ValueName(const std::string& name) { return name == "*" ? std::string() : name; }

// A key opened through the seam, closed when it goes out of scope.
class OpenedKey {
public:
    explicit OpenedKey(Registry& registry) : registry_(registry) {}
    ~OpenedKey() { Close(); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    RegKeyId* Out() { return &key_; }
    RegKeyId Get() const { return key_; }
    void MarkOpen() { open_ = true; }
    // True when the key was closed (or was never open).
    bool Close() {
        if (!open_) return true;
        open_ = false;
        return registry_.CloseKey(key_) == kRegSuccess;
    }

private:
    Registry& registry_;
    RegKeyId key_ = 0;
    bool open_ = false;
};

// The text of a value's bytes: up to the first NUL, so a value stored with
// or without its terminator reads the same.
std::string TextOf(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

std::string StripSlashes(const std::string& keyPath) {
    std::string path = keyPath;
    if (!path.empty() && path.front() == '\\') path.erase(0, 1);
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

bool RegSetString(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName,
                  const std::string& text) {
    OpenedKey key(registry);
    if (registry.CreateKey(hive, StripSlashes(keyPath), key.Out()) != kRegSuccess) return false;
    key.MarkOpen();
    // A REG_SZ value carries its terminating NUL, so every reader sees the
    // whole text.
    std::string bytes = text;
    bytes += '\0';
    return registry.SetStringValue(key.Get(), ValueName(valueName), bytes) == kRegSuccess;
}

std::string RegGetString(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName,
                         const std::string& defaultText) {
    const std::string path = StripSlashes(keyPath);
    OpenedKey key(registry);
    long result = registry.OpenKey(hive, path, kKeyAllAccess, key.Out());
    if (result == kRegAccessDenied) result = registry.OpenKey(hive, path, kKeyRead, key.Out());
    if (result != kRegSuccess) return defaultText;
    key.MarkOpen();

    const std::string name = ValueName(valueName);
    std::uint32_t size = 0;
    if (registry.QueryValue(key.Get(), name, nullptr, &size) != kRegSuccess || size == 0) return defaultText;
    std::string bytes;
    if (registry.QueryValue(key.Get(), name, &bytes, &size) != kRegSuccess) return defaultText;
    std::string text = TextOf(bytes);
    return text.empty() ? defaultText : text;
}

std::string RegQueryString(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName) {
    OpenedKey key(registry);
    if (registry.OpenKey(hive, StripSlashes(keyPath), kKeyDefaultAccess, key.Out()) != kRegSuccess)
        return std::string();
    key.MarkOpen();
    std::string bytes;
    std::uint32_t size = 255;
    long result = registry.QueryValue(key.Get(), ValueName(valueName), &bytes, &size);
    std::string text = (result == kRegSuccess && size > 1) ? TextOf(bytes) : std::string();
    if (!key.Close()) registry.ShowError("RegCloseKey Failed: " + keyPath);
    return text;
}

bool RegDelete(Registry& registry, RegHive hive, const std::string& keyPath, const std::string& valueName) {
    if (valueName.empty()) {
        // The same path forms reach the key here as in every other routine.
        return registry.DeleteKey(hive, StripSlashes(keyPath)) == kRegSuccess;
    }
    OpenedKey key(registry);
    if (registry.OpenKey(hive, StripSlashes(keyPath), kKeyAllAccess, key.Out()) != kRegSuccess) return false;
    key.MarkOpen();
    return registry.DeleteValue(key.Get(), ValueName(valueName)) == kRegSuccess;
}

// Settings files are read from shared folders that anyone may have edited:
// any bytes must load, look up, update and write back without fault, and the
// written text must read back to the same store.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shared/settings_store.h"
#include "shared/text_routines.h"

namespace {

// Names the broken property before stopping, so a finding explains itself.
#define Check(condition)                                                                   \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "property broken: %s (line %d)\n", #condition, __LINE__); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

// Some entries change at every save by design: a value that begins with "^"
// loses it; a remark line with ":" in it is read back split at the ":", so
// one that begins with ":" loses it (an empty section is not written) and
// one that ends with ":" becomes a placeholder.
bool StableUnderSave(const SettingsStore& store) {
    for (const SettingEntry& entry : store.Entries()) {
        if (entry.Key.empty()) continue;
        if (!entry.Value.empty() && entry.Value[0] == '^') return false;
        std::size_t colon = entry.Key.find(':');
        if (entry.Section.empty() && colon != std::string::npos && (colon == 0 || colon + 1 == entry.Key.size()))
            return false;
    }
    return true;
}

// SetSettingByKey line by line: what merging a file must amount to.
void MergeOneByOne(const std::string& text, SettingsStore& store) {
    for (const std::string& line : SplitSettingLines(text)) {
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string keyPart = line.substr(0, equals);
        std::size_t colon = keyPart.find(':');
        std::string key = colon == std::string::npos ? keyPart : keyPart.substr(colon + 1);
        SetSettingByKey(key, line.substr(equals + 1), store);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    SettingsStore store;
    bool read = LoadSettingsText(text, store);
    Check(read == !text.empty());
    Check(store.Count() >= SplitSettingLines(text).size());

    // Written text reads back to a store that writes the same text.
    std::string saved = SettingsFileText(store);
    SettingsStore again;
    LoadSettingsText(saved, again);
    if (StableUnderSave(store)) Check(SettingsFileText(again) == saved);

    // Every key of the file answers its first value.
    for (std::size_t i = 1; i <= store.Count() && i <= 64; ++i) {
        const SettingEntry& entry = store.At(i);
        std::string value = GetSettingValue(entry.Key, store);
        Check(GetSettingItem(entry.Key, store) == FirstItem(value));
    }

    // Merging indexes keys; it must do what one update a line does.
    SettingsStore merged, expected;
    LoadSettingsText("Period=7\r\nCaption=x\r\n period =1\r\n", merged);
    LoadSettingsText("Period=7\r\nCaption=x\r\n period =1\r\n", expected);
    MergeSettingsText(text, merged);
    MergeOneByOne(text, expected);
    Check(SettingsFileText(merged) == SettingsFileText(expected));

    // Updates through both store variants with keys taken from the input.
    SettingsStore console(StoreVariant::Console);
    LoadSettingsText(text, console);
    std::string key = text.substr(0, text.find_first_of("=\r"));
    if (key.size() > 32) key.resize(32);
    std::size_t before = console.Count();
    SetSettingItem(key, " 80 ", console);
    Check(console.Count() == before);
    SetSettingItem(key, " 80 ", store);
    Check(Trim(GetSettingItem(key, store)) == "80" || key.find(':') != std::string::npos || Trim(key).empty());
    SetSettingValue(key, text.substr(0, 16), store, "S");
    return 0;
}

// Settings files and the in-memory settings store.
//
// Every line of a settings file becomes one entry, in file order. A line
// "section:key=value" splits at the first "=" and, in the key part, at the
// first ":". Lookups compare trimmed keys without regard to case and take the
// first match. Positions are numbered from 1 as the files' users count them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct SettingEntry {
    std::string Section;
    std::string Key;
    std::string Value;
};

// The declaration program's store answers "0" for a missing item and appends
// missing keys on SetSettingItem; the console's store answers the caller's
// default for an empty item and never appends.
enum class StoreVariant { Declaration, Console };

class SettingsStore {
public:
    explicit SettingsStore(StoreVariant variant = StoreVariant::Declaration);

    StoreVariant Variant() const { return variant_; }
    std::size_t Count() const { return entries_.size(); }
    // 1-based; the store grows when the position does not exist yet.
    SettingEntry& At(std::size_t position);
    const SettingEntry& At(std::size_t position) const;
    std::vector<SettingEntry>& Entries() { return entries_; }
    const std::vector<SettingEntry>& Entries() const { return entries_; }
    void Clear();  // back to a single empty entry

private:
    StoreVariant variant_;
    std::vector<SettingEntry> entries_;
};

// Splits file text into lines: CR LF or a lone CR end a line, a lone LF does not.
std::vector<std::string> SplitSettingLines(const std::string& text);

// Loads text over the store position by position (see LoadSettingsFile).
bool LoadSettingsText(const std::string& text, SettingsStore& store);
bool MergeSettingsText(const std::string& text, SettingsStore& store);

// Files load whole, however many lines they have; only a file past 64 MiB
// (no settings file, but something else by mistake) loads its first 64 MiB,
// as a read error there would end the load.
bool LoadSettingsFile(const std::string& path, SettingsStore& store);
bool MergeSettingsFile(const std::string& path, SettingsStore& store);

std::string GetSettingValue(const std::string& key, const SettingsStore& store, const std::string& section = "");
// The entry every lookup of the key would use, or null; for callers that
// change a found entry in their own way and never append.
SettingEntry* FindSetting(const std::string& key, SettingsStore& store, const std::string& section = "");
// Declaration store: the item before the first comma, "0" when the key is
// missing. Console store: defaultText whenever that item is empty.
std::string GetSettingItem(const std::string& key, const SettingsStore& store, const std::string& section = "",
                           const std::string& defaultText = "0");
// A yes/no setting that sites opt in to: off when the key is missing or its
// item is empty, otherwise as IsYes reads the item.
bool IsOptedIn(const std::string& key, const SettingsStore& store);
void SetSettingItem(const std::string& key, const std::string& newItem, SettingsStore& store,
                    const std::string& section = "");
void SetSettingValue(const std::string& key, const std::string& newValue, SettingsStore& store,
                     const std::string& section = "");
void SetSettingByKey(const std::string& key, const std::string& newValue, SettingsStore& store);
bool SaveSettingByKey(const std::string& key, const std::string& newValue, SettingsStore& store,
                      const std::string& path);

// The file text SaveSettingsFile writes: entries with a key, "^" dropped
// from the front of a value, sections restored, CR LF line ends.
std::string SettingsFileText(const SettingsStore& store);
// Replaces the file atomically; false (and the file untouched) on error.
bool SaveSettingsFile(const SettingsStore& store, const std::string& path);

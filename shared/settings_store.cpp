#include "shared/settings_store.h"

#include <unordered_map>

#include "shared/file_routines.h"
#include "shared/settings_encoding.h"
#include "shared/text_routines.h"

namespace {

// A settings file is a few kilobytes; past this a file is not a settings
// file, and reading on would only exhaust memory. The load then ends as on
// a read error part-way: the lines read so far are kept.
constexpr std::size_t kSettingsFileLimit = 64u * 1024u * 1024u;

struct SplitLine {
    bool HasSection = false;
    std::string Section;
    std::string Key;
    std::string Value;
};

SplitLine SplitSettingLine(const std::string& line) {
    SplitLine out;
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        out.Key = line;  // a remark: the whole line is its key
        return out;
    }
    std::string keyPart = line.substr(0, equals);
    out.Value = line.substr(equals + 1);
    std::size_t colon = keyPart.find(':');
    if (colon == std::string::npos) {
        out.Key = keyPart;
    } else {
        out.HasSection = true;
        out.Section = keyPart.substr(0, colon);
        out.Key = keyPart.substr(colon + 1);
    }
    return out;
}

// The bounds of text without its leading and trailing spaces.
struct Span {
    const char* Begin;
    std::size_t Size;
};

Span Trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return Span{text.data(), 0};
    std::size_t last = text.find_last_not_of(' ');
    return Span{text.data() + first, last - first + 1};
}

bool SameTrimmedNoCase(const std::string& a, const std::string& b) {
    Span x = Trimmed(a), y = Trimmed(b);
    if (x.Size != y.Size) return false;
    for (std::size_t i = 0; i < x.Size; ++i) {
        if (ToLowerChar(x.Begin[i]) != ToLowerChar(y.Begin[i])) return false;
    }
    return true;
}

// Both sides are trimmed: a merged profile line " Logon Start =no" must
// replace the main file's "Logon Start" as a key written without spaces does.
bool Matches(const SettingEntry& entry, const std::string& key, const std::string& section) {
    if (!SameTrimmedNoCase(entry.Key, key)) return false;
    return section.empty() || SameTrimmedNoCase(entry.Section, section);
}

// The form of a key under which lookups find it.
std::string LookupForm(const std::string& key) { return ToLower(Trim(key)); }

SettingEntry* FindEntry(const std::string& key, SettingsStore& store, const std::string& section) {
    for (SettingEntry& entry : store.Entries())
        if (Matches(entry, key, section)) return &entry;
    return nullptr;
}

const SettingEntry* FindEntry(const std::string& key, const SettingsStore& store, const std::string& section) {
    for (const SettingEntry& entry : store.Entries())
        if (Matches(entry, key, section)) return &entry;
    return nullptr;
}

// Every settings file is read here, whatever program reads it, so a file an
// editor saved as UTF-16, with a byte-order mark or with LF alone reads the
// same everywhere.
bool ReadSettingsText(const std::string& path, std::string* text) {
    if (!FileExists(path)) return false;
    std::string bytes;
    if (!ReadFileStart(path, kSettingsFileLimit, &bytes)) return false;
    *text = SettingsTextFromFile(bytes);
    return true;
}

}  // namespace

SettingsStore::SettingsStore(StoreVariant variant) : variant_(variant), entries_(1) {}

SettingEntry& SettingsStore::At(std::size_t position) {
    if (position == 0) position = 1;
    if (entries_.size() < position) entries_.resize(position);
    return entries_[position - 1];
}

const SettingEntry& SettingsStore::At(std::size_t position) const {
    static const SettingEntry kNone;
    if (position == 0 || position > entries_.size()) return kNone;
    return entries_[position - 1];
}

void SettingsStore::Clear() { entries_.assign(1, SettingEntry()); }

std::vector<std::string> SplitSettingLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t cr = text.find('\r', start);
        if (cr == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < n && text[start] == '\n') ++start;
    }
    return lines;
}

bool LoadSettingsText(const std::string& text, SettingsStore& store) {
    std::vector<std::string> lines = SplitSettingLines(text);
    if (store.Entries().size() < lines.size()) store.Entries().reserve(lines.size());
    std::size_t position = 0;
    for (const std::string& line : lines) {
        SplitLine split = SplitSettingLine(line);
        SettingEntry& entry = store.At(++position);
        if (split.HasSection) entry.Section = split.Section;
        entry.Key = split.Key;
        entry.Value = split.Value;
    }
    return !lines.empty();
}

bool MergeSettingsText(const std::string& text, SettingsStore& store) {
    std::vector<std::string> lines = SplitSettingLines(text);
    // SetSettingByKey line by line, with an index of each key's first entry
    // so that a long file merges in linear time.
    std::unordered_map<std::string, std::size_t> first;
    std::vector<SettingEntry>& entries = store.Entries();
    for (std::size_t i = entries.size(); i-- > 0;) first[LookupForm(entries[i].Key)] = i;
    for (const std::string& line : lines) {
        if (line.find('=') == std::string::npos) continue;
        SplitLine split = SplitSettingLine(line);
        auto found = first.find(LookupForm(split.Key));
        if (found != first.end()) {
            entries[found->second].Value = split.Value;
            continue;
        }
        first.emplace(LookupForm(split.Key), entries.size());
        SettingEntry added;
        added.Key = split.Key;
        added.Value = split.Value;
        entries.push_back(added);
    }
    return !lines.empty();
}

bool LoadSettingsFile(const std::string& path, SettingsStore& store) {
    std::string text;
    if (!ReadSettingsText(path, &text)) return false;
    return LoadSettingsText(text, store);
}

bool MergeSettingsFile(const std::string& path, SettingsStore& store) {
    std::string text;
    if (!ReadSettingsText(path, &text)) return false;
    return MergeSettingsText(text, store);
}

std::string GetSettingValue(const std::string& key, const SettingsStore& store, const std::string& section) {
    const SettingEntry* entry = FindEntry(key, store, section);
    return entry ? entry->Value : std::string();
}

SettingEntry* FindSetting(const std::string& key, SettingsStore& store, const std::string& section) {
    return FindEntry(key, store, section);
}

std::string GetSettingItem(const std::string& key, const SettingsStore& store, const std::string& section,
                           const std::string& defaultText) {
    const SettingEntry* entry = FindEntry(key, store, section);
    if (store.Variant() == StoreVariant::Console) {
        std::string item = entry ? FirstItem(entry->Value) : std::string();
        return item.empty() ? defaultText : item;
    }
    return entry ? FirstItem(entry->Value) : std::string("0");
}

bool IsOptedIn(const std::string& key, const SettingsStore& store) {
    const SettingEntry* entry = FindEntry(key, store, "");
    if (!entry) return false;
    const std::string item = Trim(FirstItem(entry->Value));
    return !item.empty() && IsYes(item);
}

void SetSettingItem(const std::string& key, const std::string& newItem, SettingsStore& store,
                    const std::string& section) {
    SettingEntry* entry = FindEntry(key, store, section);
    if (entry) {
        std::size_t comma = entry->Value.find(',');
        if (comma != std::string::npos && comma > 0) entry->Value = Trim(newItem) + entry->Value.substr(comma);
        else entry->Value = Trim(newItem);
        return;
    }
    if (store.Variant() == StoreVariant::Console) return;
    SettingEntry added;
    added.Section = section;
    added.Key = key;
    added.Value = Trim(newItem);
    store.Entries().push_back(added);
}

void SetSettingValue(const std::string& key, const std::string& newValue, SettingsStore& store,
                     const std::string& section) {
    SettingEntry* entry = FindEntry(key, store, section);
    if (entry) {
        entry->Value = Trim(newValue);
        if (!section.empty()) entry->Section = section;
        return;
    }
    SettingEntry added;
    added.Section = section;
    added.Key = Trim(key);
    added.Value = Trim(newValue);
    store.Entries().push_back(added);
}

void SetSettingByKey(const std::string& key, const std::string& newValue, SettingsStore& store) {
    SettingEntry* entry = FindEntry(key, store, std::string());
    if (entry) {
        entry->Value = newValue;
        return;
    }
    SettingEntry added;
    added.Key = key;
    added.Value = newValue;
    store.Entries().push_back(added);
}

bool SaveSettingByKey(const std::string& key, const std::string& newValue, SettingsStore& store,
                      const std::string& path) {
    SetSettingByKey(key, newValue, store);
    return SaveSettingsFile(store, path);
}

std::string SettingsFileText(const SettingsStore& store) {
    std::string text;
    for (const SettingEntry& entry : store.Entries()) {
        if (entry.Key.empty()) continue;
        if (!entry.Section.empty()) text += entry.Section + ":";
        text += entry.Key;
        text += '=';
        if (!entry.Value.empty() && entry.Value[0] == '^') text.append(entry.Value, 1, std::string::npos);
        else text += entry.Value;
        text += "\r\n";
    }
    return text;
}

bool SaveSettingsFile(const SettingsStore& store, const std::string& path) {
    return ReplaceFileAtomically(path, SettingsFileText(store));
}

#include "key_names_win32.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

struct NamedKey {
    const char* name;
    WORD vk;
};

const NamedKey kNamedKeys[] = {
    {"ESCAPE", VK_ESCAPE}, {"ESC", VK_ESCAPE},      {"TAB", VK_TAB},       {"RETURN", VK_RETURN},
    {"ENTER", VK_RETURN},  {"SPACE", VK_SPACE},     {"BACK", VK_BACK},     {"BACKSPACE", VK_BACK},
    {"DELETE", VK_DELETE}, {"DEL", VK_DELETE},      {"INSERT", VK_INSERT}, {"HOME", VK_HOME},
    {"END", VK_END},       {"PRIOR", VK_PRIOR},     {"PAGEUP", VK_PRIOR},  {"NEXT", VK_NEXT},
    {"PAGEDOWN", VK_NEXT}, {"UP", VK_UP},           {"DOWN", VK_DOWN},     {"LEFT", VK_LEFT},
    {"RIGHT", VK_RIGHT},   {"APPS", VK_APPS},       {"LWIN", VK_LWIN},     {"SNAPSHOT", VK_SNAPSHOT},
    {"CTRL", VK_CONTROL},  {"CONTROL", VK_CONTROL}, {"SHIFT", VK_SHIFT},   {"ALT", VK_MENU},
    {"MENU", VK_MENU},
};

bool IsModifier(WORD vk) { return vk == VK_CONTROL || vk == VK_SHIFT || vk == VK_MENU; }

bool ParseOneKey(std::string name, WORD& vk) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (name.compare(0, 3, "VK_") == 0) name = name.substr(3);
    for (const NamedKey& key : kNamedKeys) {
        if (name == key.name) {
            vk = key.vk;
            return true;
        }
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        vk = static_cast<WORD>(name[0]);  // letters and digits are their own codes
        return true;
    }
    if (name.size() >= 2 && name[0] == 'F' && std::all_of(name.begin() + 1, name.end(), ::isdigit)) {
        int number = std::atoi(name.c_str() + 1);
        if (number < 1 || number > 24) return false;
        vk = static_cast<WORD>(VK_F1 + number - 1);
        return true;
    }
    return false;
}

}  // namespace

bool ParseKeyChord(const std::string& text, KeyChord& chord) {
    chord = KeyChord();
    std::vector<WORD> keys;
    size_t start = 0;
    for (;;) {
        size_t plus = text.find('+', start);
        WORD vk = 0;
        if (!ParseOneKey(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start), vk))
            return false;
        keys.push_back(vk);
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    chord.key = keys.back();
    keys.pop_back();
    for (WORD vk : keys) {
        if (!IsModifier(vk)) return false;
        chord.modifiers.push_back(vk);
    }
    return true;
}

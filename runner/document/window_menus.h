// The declaration window's hidden menu tree and its list menus, filled and
// ticked from setting texts ("current,choice1,choice2,...").
#pragma once

#include <string>
#include <vector>

struct MenuListItem {
    std::string Caption;
    std::string Tag;
    bool Checked = false;
    bool Visible = true;
};

// A list menu: items numbered from 1; item 1 exists from the start.
class MenuList {
public:
    MenuList() : items_(1) {}
    explicit MenuList(const std::string& firstCaption) : items_(1) { items_[0].Caption = firstCaption; }

    int Count() const { return static_cast<int>(items_.size()); }
    MenuListItem& Item(int number) { return items_.at(static_cast<std::size_t>(number - 1)); }
    const MenuListItem& Item(int number) const { return items_.at(static_cast<std::size_t>(number - 1)); }
    // Creates items up to the number (they start visible with empty texts).
    MenuListItem& Ensure(int number);
    // The number of the first ticked visible item, or 0.
    int FirstChecked() const;

private:
    std::vector<MenuListItem> items_;
};

// The hidden `FormMenu` tree: only the list menus carry state.
struct FormMenu {
    MenuList VoiceMenu{"Default"};
    MenuList SpeakerVolumeMenu;
    MenuList SpeakRateMenu;
};

// Captions of the tree's fixed items.
extern const char kHideSpeakerCaption[];
extern const char kSpeakerVoiceCaption[];
extern const char kSpeakerVolumeCaption[];
extern const char kSpeakRateCaption[];

void PopulateMenuWithString(MenuList& MenuItem, const std::string& strLine);
// intCompareItem 1 compares captions, anything else the items' tags.
bool CheckMenuList(MenuList& MenuItem, const std::string& sTag, int intCompareItem = 0);

// The speaker menu's commands as pop-up menu ids: the kind and the item's
// number within its list.
enum class SpeakerMenuKind { None, HideSpeaker, Voice, Volume, Rate };
struct SpeakerMenuChoice {
    SpeakerMenuKind Kind = SpeakerMenuKind::None;
    int Item = 0;
};
// Lists offer at most this many items in a pop-up menu.
const int kMaxMenuListItems = 1999;
int SpeakerMenuCommand(SpeakerMenuKind kind, int item);
SpeakerMenuChoice SpeakerMenuChoiceOf(int command);
// A caption as a menu shows it: "&" stays a plain character.
std::string MenuCaptionText(const std::string& caption);

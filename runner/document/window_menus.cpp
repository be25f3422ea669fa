#include "runner/document/window_menus.h"

#include "shared/text_routines.h"

const char kHideSpeakerCaption[] = "Hide Speaker";
const char kSpeakerVoiceCaption[] = "Speaker Voice";
const char kSpeakerVolumeCaption[] = "Speaker Volume";
const char kSpeakRateCaption[] = "Speak Rate";

MenuListItem& MenuList::Ensure(int number) {
    while (Count() < number) items_.emplace_back();
    return Item(number);
}

int MenuList::FirstChecked() const {
    for (int k = 1; k <= Count(); ++k)
        if (Item(k).Checked && Item(k).Visible) return k;
    return 0;
}

namespace {

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

}  // namespace

void PopulateMenuWithString(MenuList& MenuItem, const std::string& strLine) {
    const std::vector<std::string> parts = SplitAtCommas(strLine);
    const int lastFilled = parts.size() == 1 ? 1 : static_cast<int>(parts.size()) - 1;
    for (std::size_t k = 1; k < parts.size(); ++k) {
        MenuListItem& item = MenuItem.Ensure(static_cast<int>(k));
        item.Caption = parts[k];
        item.Visible = true;
    }
    // Hidden before ticking, so a left-over of a longer list is never ticked.
    for (int k = 2; k <= MenuItem.Count(); ++k)
        if (k > lastFilled) MenuItem.Item(k).Visible = false;
    MenuItem.Item(1).Visible = true;

    if (parts.size() > 1) {
        CheckMenuList(MenuItem, parts[0], 1);
    } else if (!strLine.empty()) {
        MenuItem.Item(1).Caption = strLine;
        CheckMenuList(MenuItem, strLine, 1);
    } else {
        for (int k = 1; k <= MenuItem.Count(); ++k) MenuItem.Item(k).Checked = false;
    }
}

bool CheckMenuList(MenuList& MenuItem, const std::string& sTag, int intCompareItem) {
    const std::string wanted = Trim(sTag);
    bool any = false;
    for (int k = 1; k <= MenuItem.Count(); ++k) {
        MenuListItem& item = MenuItem.Item(k);
        const std::string& compared = intCompareItem == 1 ? item.Caption : item.Tag;
        // A hidden item is a left-over of a longer list: it is not offered, so never ticked.
        item.Checked = item.Visible && !item.Caption.empty() && Trim(compared) == wanted;
        any = any || item.Checked;
    }
    return any;
}

namespace {

const int kHideCommand = 1;
const int kListBase[] = {0, 0, 2000, 4000, 6000};  // by SpeakerMenuKind

}  // namespace

int SpeakerMenuCommand(SpeakerMenuKind kind, int item) {
    if (kind == SpeakerMenuKind::HideSpeaker) return kHideCommand;
    if (kind == SpeakerMenuKind::None || item < 1 || item > kMaxMenuListItems) return 0;
    return kListBase[static_cast<int>(kind)] + item;
}

SpeakerMenuChoice SpeakerMenuChoiceOf(int command) {
    SpeakerMenuChoice choice;
    if (command == kHideCommand) {
        choice.Kind = SpeakerMenuKind::HideSpeaker;
        return choice;
    }
    for (SpeakerMenuKind kind : {SpeakerMenuKind::Voice, SpeakerMenuKind::Volume, SpeakerMenuKind::Rate}) {
        const int item = command - kListBase[static_cast<int>(kind)];
        if (item >= 1 && item <= kMaxMenuListItems) {
            choice.Kind = kind;
            choice.Item = item;
        }
    }
    return choice;
}

std::string MenuCaptionText(const std::string& caption) {
    std::string text;
    for (char c : caption) {
        text += c;
        if (c == '&') text += '&';
    }
    return text;
}

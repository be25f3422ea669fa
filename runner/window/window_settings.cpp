#include "runner/window/window_settings.h"

#include "runner/window/colour.h"
#include "runner/window/setting_numbers.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

std::string GetSettingOrDefault(const std::string& key, const std::string& defaultText, const SettingsStore& settings) {
    std::string value = Trim(GetSettingValue(key, settings));
    return value.empty() ? defaultText : value;
}

namespace {

std::int32_t ItemColour(const std::string& key, std::int32_t defaultColour, const SettingsStore& settings,
                        ProgramRandom& random, const std::function<std::uint32_t()>& seed) {
    std::string item = GetSettingItem(key, settings);
    return Str2ColorInt(item, defaultColour, random, seed ? seed() : 0);
}

bool ItemIsYes(const std::string& key, const SettingsStore& settings) { return IsYes(GetSettingItem(key, settings)); }

}  // namespace

bool ButtonCaptionVisible(const WindowComposition& composition, int button) {
    return composition.CaptionsVisible && (button == 0 ? composition.AcceptVisible : composition.DeclineVisible);
}

WindowComposition ComposeWindow(const SettingsStore& settings, const std::string& profileUserName,
                                const DesignedWindow& design, ProgramRandom& random,
                                const std::function<std::uint32_t()>& seed) {
    WindowComposition c;

    std::string background = GetSettingItem("Border Background Colour", settings);
    if (background == "0") background = "Red";
    c.Background = Str2ColorInt(background, design.Background, random, seed ? seed() : 0);

    c.AcceptCaption = GetSettingOrDefault("Button1 Caption", design.AcceptCaption, settings);
    c.DeclineCaption = GetSettingOrDefault("Button2 Caption", design.DeclineCaption, settings);
    c.CheckCaption = GetSettingOrDefault("CheckBox Caption", "", settings);

    std::string userName = GetSettingItem("User Name", settings);
    if (userName.empty() || userName == "0") userName = profileUserName;
    c.CheckCaption = ReplaceFirst(c.CheckCaption, "User Name", userName);

    c.AcceptCaptionColour = ItemColour("Button1 Caption Colour", design.CaptionColour, settings, random, seed);
    c.DeclineCaptionColour = ItemColour("Button2 Caption Colour", design.CaptionColour, settings, random, seed);
    c.CaptionSize = NumericValue16(GetSettingItem("Button Caption Size", settings));
    c.CaptionsVisible = c.CaptionSize != 0;

    c.Message = GetSettingOrDefault("Message", "", settings);
    c.Speaker = ItemIsYes("Speaker", settings);
    c.Eye = ItemIsYes("Eyes Image", settings);
    c.HistoryButtons = ItemIsYes("History Buttons", settings);

    if (Trim(c.CheckCaption).empty()) {
        c.CheckBoxVisible = false;
        c.BoxTicked = true;
        c.AcceptEnabled = true;
    } else {
        c.CheckBoxVisible = true;
        c.BoxTicked = false;
        c.AcceptEnabled = false;
    }
    c.DeclineEnabled = true;
    c.DeclineVisible = ItemIsYes("Button2", settings);
    c.AcceptVisible = ItemIsYes("Button1", settings);

    c.TitleBar = ItemIsYes("TitleBar", settings);
    c.WidthMargin = NumericValue16(GetSettingItem("Doc Width Margin", settings));
    c.HeightMargin = NumericValue16(GetSettingItem("Doc Height Margin", settings));
    c.ButtonCaptionHeight = NumericValue(GetSettingItem("Button Caption Height", settings));
    return c;
}

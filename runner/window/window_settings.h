// What the declaration window takes from the settings: texts, colours and
// switches, read in the window's composition order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class ProgramRandom;
class SettingsStore;

// The whole value of the key, trimmed; defaultText when that is empty.
std::string GetSettingOrDefault(const std::string& key, const std::string& defaultText, const SettingsStore& settings);

// The window as designed, before the settings change it.
struct DesignedWindow {
    std::int32_t Background = 0x00603A20;  // the form's own colour, for "default"
    std::string AcceptCaption = "Accept";
    std::string DeclineCaption = "Decline";
    std::string CheckCaption = "I  have read this document";
    std::string Message = "Please Don't press ctrl key, alt key and delete key at the same time";
    std::int32_t CaptionColour = 0;  // the labels' own text colour
};

struct WindowComposition {
    std::int32_t Background = 0;
    std::string AcceptCaption;
    std::string DeclineCaption;
    std::string CheckCaption;  // after the user-name substitution
    std::int32_t AcceptCaptionColour = 0;
    std::int32_t DeclineCaptionColour = 0;
    int CaptionSize = 0;  // 0 hides the labels, -1 keeps the designed size
    bool CaptionsVisible = false;
    std::string Message;
    bool Speaker = true;
    bool Eye = true;
    bool HistoryButtons = true;
    // Check box start state: an empty caption ticks the box, hides it and
    // enables accept at once.
    bool CheckBoxVisible = false;
    bool BoxTicked = true;
    bool AcceptEnabled = true;
    bool DeclineEnabled = true;
    bool DeclineVisible = true;
    bool AcceptVisible = true;
    bool TitleBar = true;
    int WidthMargin = 0;
    int HeightMargin = 0;
    double ButtonCaptionHeight = 0;
};

// A button's caption label shows only with its button and a caption size.
bool ButtonCaptionVisible(const WindowComposition& composition, int button);

// seed() answers the system timer each time a colour is converted.
WindowComposition ComposeWindow(const SettingsStore& settings, const std::string& profileUserName,
                                const DesignedWindow& design, ProgramRandom& random,
                                const std::function<std::uint32_t()>& seed);

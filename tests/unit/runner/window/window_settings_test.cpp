#include <gtest/gtest.h>

#include "runner/window/program_random.h"
#include "runner/window/window_settings.h"
#include "shared/settings_store.h"

namespace {

WindowComposition Compose(const std::string& settingsText, const std::string& user = "jdoe") {
    SettingsStore settings;
    LoadSettingsText(settingsText, settings);
    ProgramRandom random;
    return ComposeWindow(settings, user, DesignedWindow(), random, [] { return 5u; });
}

}  // namespace

TEST(ComposeWindow, NoSettingsAtAll) {
    WindowComposition c = Compose("");
    EXPECT_EQ(c.Background, 255);  // red
    EXPECT_EQ(c.AcceptCaption, "Accept");
    EXPECT_EQ(c.DeclineCaption, "Decline");
    EXPECT_FALSE(c.CaptionsVisible);
    EXPECT_EQ(c.CaptionSize, 0);
    EXPECT_EQ(c.CheckCaption, "");
    EXPECT_FALSE(c.CheckBoxVisible);
    EXPECT_TRUE(c.BoxTicked);
    EXPECT_TRUE(c.AcceptEnabled);
    EXPECT_TRUE(c.Speaker);
    EXPECT_TRUE(c.Eye);
    EXPECT_TRUE(c.HistoryButtons);
    EXPECT_TRUE(c.AcceptVisible);
    EXPECT_TRUE(c.DeclineVisible);
    EXPECT_TRUE(c.TitleBar);
    EXPECT_EQ(c.Message, "");
    EXPECT_EQ(c.AcceptCaptionColour, 0);
}

TEST(ComposeWindow, TextsColoursAndSwitches) {
    WindowComposition c = Compose(
        "Border Background Colour=Blue, the frame\r\n"
        "Button1 Caption=  I agree  \r\n"
        "Button2 Caption=\r\n"
        "CheckBox Caption=I, User Name, have read it\r\n"
        "Button1 Caption Colour= Blue \r\n"
        "Button2 Caption Colour=default\r\n"
        "Button Caption Size=12\r\n"
        "Message=Read it all, please\r\n"
        "Speaker=No\r\nEyes Image=NO\r\nHistory Buttons=no, off\r\n"
        "Button1=yes\r\nButton2=No\r\nTitleBar=no\r\n"
        "Doc Width Margin=-1\r\nDoc Height Margin=300\r\nButton Caption Height=120.5\r\n");
    EXPECT_EQ(c.Background, 0xFF0000);
    EXPECT_EQ(c.AcceptCaption, "I agree");
    EXPECT_EQ(c.DeclineCaption, "Decline");
    // The whole value is the caption, commas included.
    EXPECT_EQ(c.CheckCaption, "I, jdoe, have read it");
    EXPECT_TRUE(c.CheckBoxVisible);
    EXPECT_FALSE(c.BoxTicked);
    EXPECT_FALSE(c.AcceptEnabled);
    EXPECT_TRUE(c.DeclineEnabled);
    EXPECT_EQ(c.AcceptCaptionColour, 0xFF0000);
    EXPECT_EQ(c.DeclineCaptionColour, 0);  // the label's own colour, not the background
    EXPECT_EQ(c.CaptionSize, 12);
    EXPECT_TRUE(c.CaptionsVisible);
    EXPECT_EQ(c.Message, "Read it all, please");
    EXPECT_FALSE(c.Speaker);
    EXPECT_FALSE(c.Eye);
    EXPECT_FALSE(c.HistoryButtons);
    EXPECT_TRUE(c.AcceptVisible);
    EXPECT_FALSE(c.DeclineVisible);
    EXPECT_FALSE(c.TitleBar);
    EXPECT_EQ(c.WidthMargin, -1);
    EXPECT_EQ(c.HeightMargin, 300);
    EXPECT_DOUBLE_EQ(c.ButtonCaptionHeight, 120.5);
}

TEST(ComposeWindow, UserNameReplacesOnlyTheFirstOccurrence) {
    EXPECT_EQ(Compose("CheckBox Caption=User Name and User Name\r\n").CheckCaption, "jdoe and User Name");
    EXPECT_EQ(Compose("CheckBox Caption=User Name read\r\nUser Name=Kim\r\n").CheckCaption, "Kim read");
    EXPECT_EQ(Compose("CheckBox Caption=User Name read\r\nUser Name=0\r\n", "").CheckCaption, " read");
    // A caption that is only blanks after substitution counts as empty.
    WindowComposition blank = Compose("CheckBox Caption=User Name\r\n", "  ");
    EXPECT_FALSE(blank.CheckBoxVisible);
    EXPECT_TRUE(blank.AcceptEnabled);
}

TEST(ComposeWindow, CaptionSizeAndMarginsReadAs16BitNumbers) {
    EXPECT_EQ(Compose("Button Caption Size=-1\r\n").CaptionSize, -1);
    EXPECT_TRUE(Compose("Button Caption Size=-1\r\n").CaptionsVisible);
    EXPECT_EQ(Compose("Button Caption Size=big\r\n").CaptionSize, 0);
    EXPECT_EQ(Compose("Doc Width Margin=70000\r\n").WidthMargin, 0);
    EXPECT_EQ(Compose("Border Background Colour=random\r\n").Background >> 24, 0);
}

TEST(ComposeWindow, ACaptionLabelShowsOnlyWithItsButton) {
    struct Case {
        const char* Settings;
        bool Accept, Decline;
    } cases[] = {
        {"Button Caption Size=12\r\n", true, true},
        {"Button Caption Size=12\r\nButton2=No\r\n", true, false},
        {"Button Caption Size=-1\r\nButton1=No\r\n", false, true},
        {"Button1=yes\r\nButton2=yes\r\n", false, false},  // size 0 hides both
    };
    for (const Case& t : cases) {
        WindowComposition c = Compose(t.Settings);
        EXPECT_EQ(ButtonCaptionVisible(c, 0), t.Accept) << t.Settings;
        EXPECT_EQ(ButtonCaptionVisible(c, 1), t.Decline) << t.Settings;
    }
}

TEST(GetSettingOrDefaultLookup, TrimmedWholeValueOrDefault) {
    SettingsStore s;
    LoadSettingsText("Message=  a, b  \r\nEmpty=   \r\n", s);
    EXPECT_EQ(GetSettingOrDefault("Message", "x", s), "a, b");
    EXPECT_EQ(GetSettingOrDefault("Empty", "x", s), "x");
    EXPECT_EQ(GetSettingOrDefault("Missing", "", s), "");
}

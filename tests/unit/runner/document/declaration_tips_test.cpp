#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner/document/declaration_tips.h"
#include "shared/settings_store.h"

namespace {

struct FakeSlot : TipSlot {
    struct Shown {
        std::string Title, Text;
        long X, Y;
    };
    std::vector<Shown> Shows;
    int Destroys = 0;
    bool Up = false;
    void ShowBalloonInfo(const std::string& title, const std::string& text, long x, long y) override {
        Shows.push_back({title, text, x, y});
        Up = true;
    }
    bool Shown() const override { return Up; }
    void Destroy() override {
        ++Destroys;
        Up = false;
    }
};

struct Tips {
    SettingsStore settings;
    FakeSlot document, hover;
    DeclarationTips tips{settings, document, hover};
    explicit Tips(const std::string& text = "") { LoadSettingsText(text, settings); }
};

const TwipRect kEye{1000, 9000, 900, 600};
const TwipRect kButton{6000, 8800, 1500, 510};
const TwipRect kBox{4000, 9000, 240, 240};

}  // namespace

TEST(TipText, OnlyTheFirstBreakBecomesALineBreak) {
    EXPECT_EQ("one\r\ntwo<br>three", TipText("one<br>two<br>three"));
    EXPECT_EQ("plain", TipText("plain"));
    EXPECT_EQ("", TipText(""));
}

TEST(DeclarationTips, DocumentTipPointsAtTheEyeWithTheCaptionAsTitle) {
    Tips t("Document Tip=Read it<br>then tick<br>the box\r\n");
    t.tips.SetupTips(true, kEye, "Tessarin");
    ASSERT_EQ(1u, t.document.Shows.size());
    EXPECT_EQ("Tessarin", t.document.Shows[0].Title);
    EXPECT_EQ("Read it\r\nthen tick<br>the box", t.document.Shows[0].Text);
    EXPECT_EQ(1000 + 450, t.document.Shows[0].X);
    EXPECT_EQ(9000, t.document.Shows[0].Y);
}

TEST(DeclarationTips, DocumentTipSitsLowerWithoutTitleBarAndNotAtAllWithoutEye) {
    Tips t("TitleBar=no\r\n");
    t.tips.SetupTips(true, kEye, "");
    ASSERT_EQ(1u, t.document.Shows.size());
    EXPECT_EQ(9200, t.document.Shows[0].Y);
    EXPECT_EQ("", t.document.Shows[0].Text);  // an empty balloon with its title

    Tips hidden;
    hidden.tips.SetupTips(false, kEye, "Tessarin");
    EXPECT_TRUE(hidden.document.Shows.empty());
}

TEST(DeclarationTips, BalloonTipNoShowsNothingButTheCheckBoxDragStillTicks) {
    Tips t("BalloonTip= NO \r\n");
    EXPECT_FALSE(t.tips.TipsEnabled());
    t.tips.SetupTips(true, kEye, "Tessarin");
    t.tips.HoverButton(0, 700, 200, kButton, false, "Accept");
    EXPECT_TRUE(t.tips.HoverCheckBox(100, 100, kBox, "I have read", true));
    EXPECT_FALSE(t.tips.HoverCheckBox(100, 100, kBox, "I have read", false));
    t.tips.HoverHistoryButton(300, 300, TwipRect{0, 0, 600, 600}, "Previous", "No Previous");
    t.tips.DismissDocumentTip();
    EXPECT_TRUE(t.document.Shows.empty());
    EXPECT_TRUE(t.hover.Shows.empty());
    EXPECT_EQ(0, t.document.Destroys);
    EXPECT_EQ(0, t.hover.Destroys);
}

TEST(DeclarationTips, AcceptTipFollowsTheCheckBox) {
    Tips t("Button1 Tip=Click to accept\r\n");
    t.tips.HoverButton(0, 700, 200, kButton, false, "Accept");
    ASSERT_EQ(1u, t.hover.Shows.size());
    EXPECT_EQ("I accept it", t.hover.Shows[0].Text);
    EXPECT_EQ("Accept", t.hover.Shows[0].Title);
    EXPECT_EQ(6000 + 750, t.hover.Shows[0].X);
    EXPECT_EQ(8800, t.hover.Shows[0].Y);
    // Moving inside neither moves nor refreshes it.
    t.tips.HoverButton(0, 710, 210, kButton, true, "Accept");
    EXPECT_EQ(1u, t.hover.Shows.size());
    // Out and in again after ticking the box.
    t.tips.HoverButton(0, 5, 200, kButton, true, "Accept");
    EXPECT_FALSE(t.hover.Up);
    t.tips.HoverButton(0, 700, 200, kButton, true, "Accept");
    ASSERT_EQ(2u, t.hover.Shows.size());
    EXPECT_EQ("Click to accept", t.hover.Shows[1].Text);
}

TEST(DeclarationTips, AcceptHeldForReadingSaysScrollToTheEnd) {
    Tips t("Button1 Tip=Click to accept\r\nButton1 Disable Tip=Tick the box\r\n");
    const struct {
        int button;
        bool ticked;
        const char* text;
    } cases[] = {{0, false, "Scroll to the end of the document to accept."},
                 {0, true, "Scroll to the end of the document to accept."},
                 {1, false, "I decline it"}};
    for (const auto& c : cases) {
        t.tips.HoverButton(c.button, 5, 200, kButton, c.ticked, "x", true);  // out first
        t.tips.HoverButton(c.button, 700, 200, kButton, c.ticked, "x", true);
        EXPECT_EQ(c.text, t.hover.Shows.back().Text);
    }
}

TEST(DeclarationTips, DeclineTipAndDefaults) {
    Tips t;
    t.tips.HoverButton(1, 700, 200, kButton, false, "Decline");
    ASSERT_EQ(1u, t.hover.Shows.size());
    EXPECT_EQ("I decline it", t.hover.Shows[0].Text);
}

TEST(DeclarationTips, ButtonEdgesWithin20UnitsShowNoTip) {
    Tips t;
    const long w = kButton.Width, h = kButton.Height;
    for (auto point : std::vector<std::pair<long, long>>{{19, 200}, {w - 19, 200}, {700, 19}, {700, h - 19}}) {
        t.tips.HoverButton(0, point.first, point.second, kButton, true, "Accept");
        EXPECT_FALSE(t.hover.Up) << point.first << "," << point.second;
    }
    EXPECT_TRUE(t.hover.Shows.empty());
    t.tips.HoverButton(0, 20, h - 20, kButton, true, "Accept");
    EXPECT_TRUE(t.hover.Up);
}

TEST(DeclarationTips, CheckBoxTipUsesItsOwnAreaAndCentre) {
    Tips t("CheckBox Tip=Tick me\r\n");
    EXPECT_FALSE(t.tips.HoverCheckBox(9, 100, kBox, "I  have read this document", false));
    EXPECT_TRUE(t.hover.Shows.empty());
    t.tips.HoverCheckBox(239, 239, kBox, "I  have read this document", false);
    ASSERT_EQ(1u, t.hover.Shows.size());
    EXPECT_EQ("Tick me", t.hover.Shows[0].Text);
    EXPECT_EQ("I  have read this document", t.hover.Shows[0].Title);
    EXPECT_EQ(4120, t.hover.Shows[0].X);
    EXPECT_EQ(9120, t.hover.Shows[0].Y);
    t.tips.HoverCheckBox(240, 100, kBox, "", false);
    EXPECT_FALSE(t.hover.Up);
}

TEST(DeclarationTips, HistoryTipNeeds50UnitsInside) {
    Tips t;
    const TwipRect button{9000, 8800, 600, 600};
    t.tips.HoverHistoryButton(49, 300, button, "Previous", "No Previous");
    EXPECT_TRUE(t.hover.Shows.empty());
    t.tips.HoverHistoryButton(50, 550, button, "Previous", "No Previous");
    ASSERT_EQ(1u, t.hover.Shows.size());
    EXPECT_EQ("Previous", t.hover.Shows[0].Title);
    EXPECT_EQ("No Previous", t.hover.Shows[0].Text);
    EXPECT_EQ(9300, t.hover.Shows[0].X);
    EXPECT_EQ(9100, t.hover.Shows[0].Y);
}

TEST(DeclarationTips, DismissRemovesOnlyTheDocumentTip) {
    Tips t;
    t.tips.SetupTips(true, kEye, "Tessarin");
    t.tips.HoverButton(1, 700, 200, kButton, false, "Decline");
    t.tips.DismissDocumentTip();
    EXPECT_FALSE(t.document.Up);
    EXPECT_TRUE(t.hover.Up);
}

TEST(DeclarationTips, TenThousandCharacterTextsPassThrough) {
    const std::string longText(10000, 'x');
    Tips t("Button2 Tip=" + longText + "<br>end\r\n");
    t.tips.HoverButton(1, 700, 200, kButton, false, longText);
    ASSERT_EQ(1u, t.hover.Shows.size());
    EXPECT_EQ(longText + "\r\nend", t.hover.Shows[0].Text);
}

TEST(DeclarationTips, ACaptionCutShortIsWholeInTheCheckBoxTip) {
    struct Case {
        std::string settings, shown, full, text;
    };
    const Case cases[] = {
        {"CheckBox Tip=Tick me\r\n", "I agree to...", "I agree to all of it", "I agree to all of it\r\n\r\nTick me"},
        {"", "I agree to...", "I agree to all of it", "I agree to all of it"},
        {"CheckBox Tip=Tick me\r\n", "I agree", "I agree", "Tick me"},  // shown whole
    };
    for (const Case& c : cases) {
        Tips t(c.settings);
        t.tips.HoverCheckBox(100, 100, kBox, c.shown, false, c.full);
        ASSERT_EQ(1u, t.hover.Shows.size());
        EXPECT_EQ(c.text, t.hover.Shows[0].Text);
        EXPECT_EQ(c.shown, t.hover.Shows[0].Title);
    }
}

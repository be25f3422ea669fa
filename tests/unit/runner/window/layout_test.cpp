#include <gtest/gtest.h>

#include "runner/window/layout.h"
#include "runner/window/setting_numbers.h"

namespace {

// A 1280 x 800 screen at 96 DPI with a title bar of 23 pixels and 4-pixel borders.
LayoutInput Screen() {
    LayoutInput in;
    in.WindowWidth = 1280 * 15;
    in.WindowHeight = 800 * 15;
    in.InnerWidth = (1280 - 8) * 15;
    in.InnerHeight = (800 - 23 - 8) * 15;
    in.ScreenHeight = 800 * 15;
    in.AcceptWidth = in.DeclineWidth = 1500;
    in.AcceptHeight = in.DeclineHeight = 600;
    in.CaptionLabelHeight = 300;
    in.CheckCaptionWidth = 3000;
    in.CheckCaptionHeight = 300;
    in.CheckBoxWidth = in.CheckBoxHeight = 240;
    in.EyeWidth = 900;
    in.EyeHeight = 600;
    in.HistoryWidth = in.HistoryHeight = 600;
    in.MessageHeight = 600;
    in.LogoWidth = in.LogoHeight = 600;
    return in;
}

}  // namespace

TEST(ComputeLayout, DefaultMarginsPlaceTheDocument200FromLeftRightAndTop) {
    LayoutInput in = Screen();
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Document.Left, 200);
    EXPECT_EQ(out.Document.Top, 200);
    EXPECT_EQ(out.Document.Width, in.WindowWidth - 400);
    EXPECT_EQ(out.Document.Right(), in.WindowWidth - 200);
    EXPECT_EQ(out.Document.Height, in.WindowHeight - 600 - 300 - 800);
    EXPECT_EQ(out.Background.Width, in.WindowWidth);
    EXPECT_EQ(out.Background.Height, in.WindowHeight);
}

TEST(ComputeLayout, ButtonRowFollowsTheDocument) {
    LayoutInput in = Screen();
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Accept.Top, out.Document.Bottom() + 100);
    EXPECT_EQ(out.Decline.Top, out.Accept.Top);
    EXPECT_EQ(out.CheckCaption.Top, out.Decline.Top + 200);
    EXPECT_EQ(out.CheckBox.Top, out.CheckCaption.Top);
    EXPECT_EQ(out.Eye.Top, out.CheckBox.Top - 130);
    EXPECT_EQ(out.History[0].Top, out.Accept.Top);
    EXPECT_EQ(out.History[1].Top, out.Accept.Top);
    EXPECT_EQ(out.AcceptCaption.Top, out.Accept.Bottom());
    EXPECT_EQ(out.DeclineCaption.Top, out.Accept.Bottom());

    EXPECT_EQ(out.Decline.Left, out.Document.Right() - 2 * 1500);
    EXPECT_EQ(out.Accept.Left, out.Decline.Left - 2 * 1500 - 200);
    EXPECT_EQ(out.AcceptCaption.Left, out.Accept.Left);
    EXPECT_EQ(out.DeclineCaption.Left, out.Decline.Left);
    EXPECT_EQ(out.CheckCaption.Left, out.Accept.Left - 3000 - 200);
    EXPECT_EQ(out.CheckBox.Left, out.CheckCaption.Left - 240 - 100);
    EXPECT_EQ(out.Eye.Left, out.CheckBox.Left - 900 - 200);

    in.CheckCaptionWidth = 400;  // a short caption leaves the centre free
    out = ComputeLayout(in);
    EXPECT_EQ(out.History[0].Left, in.WindowWidth / 2 - 600 - 100);
    EXPECT_EQ(out.History[1].Left, in.InnerWidth / 2 + 100);
    // Nothing of the row leaves the inner area.
    EXPECT_LE(out.AcceptCaption.Bottom(), in.InnerHeight);
    EXPECT_LE(out.Speaker.Bottom(), in.InnerHeight);
    EXPECT_EQ(out.Logo.Right(), out.Document.Right());
    EXPECT_EQ(out.Logo.Top, out.Accept.Top);
    EXPECT_GT(out.Logo.Width, 0);
}

TEST(ComputeLayout, HistoryButtonsMakeWayForTheCheckBoxGroup) {
    LayoutInput in = Screen();
    in.CheckCaptionWidth = 4000;
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.History[1].Right() + 200, out.Eye.Left);
    EXPECT_EQ(out.History[1].Left - out.History[0].Left, in.InnerWidth / 2 + 100 - (in.WindowWidth / 2 - 600 - 100));
    EXPECT_LE(out.Message.Right(), out.History[0].Left);

    in.EyeVisible = false;
    out = ComputeLayout(in);
    EXPECT_EQ(out.History[1].Right() + 200, out.CheckBox.Left);

    in.HistoryVisible = false;  // hidden buttons stay where the arithmetic puts them
    out = ComputeLayout(in);
    EXPECT_EQ(out.History[0].Left, in.WindowWidth / 2 - 600 - 100);
}

TEST(ComputeLayout, DeclineHiddenMovesAcceptToTheRight) {
    LayoutInput in = Screen();
    in.DeclineVisible = false;
    in.AcceptWidth = 1500;
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Accept.Left, out.Document.Right() - 2 * 1500);
    EXPECT_EQ(out.CheckCaption.Left, out.Accept.Left - 3000 - 200);
}

TEST(ComputeLayout, WidthMarginMinusOneIsFlushAndOthersAreTaken) {
    LayoutInput in = Screen();
    in.WidthMargin = -1;
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Document.Left, 0);
    EXPECT_EQ(out.Document.Width, in.WindowWidth);

    in.WidthMargin = 450;
    out = ComputeLayout(in);
    EXPECT_EQ(out.Document.Left, 450);
    EXPECT_EQ(out.Document.Width, in.WindowWidth - 900);
    EXPECT_EQ(out.Document.Height, in.WindowHeight - 600 - 300 - 4 * 450);
}

TEST(ComputeLayout, ButtonCaptionHeightKeepsExtraRoom) {
    LayoutInput in = Screen();
    in.ButtonCaptionHeight = 250;
    EXPECT_EQ(ComputeLayout(in).Document.Height, in.WindowHeight - 600 - 300 - 800 - 250);
}

TEST(ComputeLayout, HeightMarginMinusOneCoversTheInnerArea) {
    LayoutInput in = Screen();
    in.HeightMargin = -1;
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Document.Top, 0);
    EXPECT_EQ(out.Document.Height, in.InnerHeight + (in.WindowWidth - in.InnerWidth));
}

TEST(ComputeLayout, OtherHeightMarginsWithAFullScreenDocumentFollowTheScreen) {
    LayoutInput in = Screen();
    in.WidthMargin = -1;
    in.HeightMargin = 300;
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Document.Top, 300);
    EXPECT_EQ(out.Document.Height, in.ScreenHeight - 600);

    EXPECT_EQ(out.Logo.Width, 0);  // the row is off the screen

    in.CaptionEmpty = true;
    EXPECT_EQ(ComputeLayout(in).Document.Height, in.ScreenHeight);
}

TEST(ComputeLayout, ARowThatWouldLeaveTheWindowIsLiftedIntoView) {
    LayoutInput in = Screen();
    in.HeightMargin = 300;
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Document.Top, 300);
    EXPECT_LT(out.Document.Height, in.ScreenHeight - 600);
    EXPECT_EQ(out.AcceptCaption.Bottom(), in.InnerHeight);
    EXPECT_EQ(out.Accept.Top, out.Document.Bottom() + 100);

    // Without a title bar and with a caption the row has room as computed.
    in = Screen();
    in.InnerHeight = in.WindowHeight;
    in.InnerWidth = in.WindowWidth;
    out = ComputeLayout(in);
    EXPECT_EQ(out.Document.Height, in.WindowHeight - 600 - 300 - 800);
}

TEST(ComputeLayout, SpeakerAndMessage) {
    LayoutInput in = Screen();
    in.InnerHeight = in.WindowHeight;  // no title bar: room for the whole speaker
    DeclarationLayout out = ComputeLayout(in);
    EXPECT_EQ(out.Speaker.Left, out.Document.Left);
    EXPECT_EQ(out.Speaker.Top, out.Decline.Top + 200);
    EXPECT_EQ(out.Speaker.Width, out.Speaker.Height);
    EXPECT_LE(out.Speaker.Height, static_cast<long>(in.InnerHeight * 0.1));
    EXPECT_EQ(out.Message.Left, out.Speaker.Right());
    EXPECT_EQ(out.Message.Top, out.CheckCaption.Top);
    EXPECT_LE(out.Message.Right(), out.History[0].Left);

    in.SpeakerVisible = false;
    out = ComputeLayout(in);
    EXPECT_EQ(out.Message.Left, out.Document.Left);
}

TEST(Twips, ConversionFollowsTheDisplay) {
    EXPECT_EQ(TwipsPerPixel(96), 15);
    EXPECT_EQ(TwipsPerPixel(120), 12);
    EXPECT_EQ(TwipsPerPixel(144), 10);
    EXPECT_EQ(TwipsPerPixel(0), 15);
    EXPECT_EQ(TwipsToPixels(200, 15), 13);
    EXPECT_EQ(TwipsToPixels(200, 10), 20);
    EXPECT_EQ(TwipsToPixels(19200, 15), 1280);
    EXPECT_EQ(TwipsFromPixels(1280, 12), 15360);
    EXPECT_EQ(TwipsToPixels(-15, 15), -1);
}

TEST(SettingNumbers, LeadingNumberAnd16BitRange) {
    EXPECT_EQ(NumericValue("12"), 12);
    EXPECT_EQ(NumericValue(" -1"), -1);
    EXPECT_EQ(NumericValue("12pt"), 12);
    EXPECT_EQ(NumericValue("1.5e2x"), 150);
    EXPECT_EQ(NumericValue("2e"), 2);
    EXPECT_EQ(NumericValue("abc"), 0);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("1e999"), 0);
    EXPECT_EQ(NumericValue16("32767"), 32767);
    EXPECT_EQ(NumericValue16("-32768"), -32768);
    EXPECT_EQ(NumericValue16("40000"), 0);
    EXPECT_EQ(NumericValue16("2.6"), 3);
}

namespace {

// Screens of 1024 and 1280 pixels at 96 DPI, as the window lays them out.
LayoutInput ScreenOf(long pixelsWide, long pixelsHigh) {
    LayoutInput in = Screen();
    in.WindowWidth = pixelsWide * 15;
    in.WindowHeight = in.ScreenHeight = pixelsHigh * 15;
    in.InnerWidth = (pixelsWide - 8) * 15;
    in.InnerHeight = (pixelsHigh - 23 - 8) * 15;
    in.MessageMinWidth = 1500;
    return in;
}

bool Overlap(const TwipRect& a, const TwipRect& b) {
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

}  // namespace

TEST(ComputeLayout, ALongCheckBoxCaptionWrapsAndStaysOnTheScreen) {
    struct Case {
        long screenWidth, screenHeight;
        long captionWidth, wrappedHeight;  // twips: one-line width, height once wrapped
        bool eye, history;
    };
    const Case cases[] = {
        {1024, 768, 12500, 600, true, true},  // the policy sentence (834 pixels): x = -273 before
        {1024, 768, 12500, 600, false, false},
        {1280, 800, 12500, 450, true, true},
        {1280, 800, 12500, 450, false, true},
        {1024, 768, 900000, 90000, true, true},  // 10,000 characters: cut at the document's middle
        {1280, 800, 900000, 90000, false, false},
    };
    for (const Case& c : cases) {
        LayoutInput in = ScreenOf(c.screenWidth, c.screenHeight);
        in.CheckCaptionWidth = c.captionWidth;
        in.EyeVisible = c.eye;
        in.HistoryVisible = c.history;
        DeclarationLayout first = ComputeLayout(in);  // tells the room to measure in
        in.CheckCaptionWrappedHeight = c.wrappedHeight;
        DeclarationLayout out = ComputeLayout(in);
        const std::string where = std::to_string(c.screenWidth) + " wide, caption " + std::to_string(c.captionWidth);
        EXPECT_TRUE(out.CheckCaptionWraps) << where;
        EXPECT_EQ(first.CheckCaption.Width, out.CheckCaption.Width) << where;
        EXPECT_LT(out.CheckCaption.Width, c.captionWidth) << where;
        for (const TwipRect* r : {&out.CheckCaption, &out.CheckBox}) {
            EXPECT_GE(r->Left, 0) << where;
            EXPECT_GE(r->Top, 0) << where;
            EXPECT_LE(r->Bottom(), in.InnerHeight) << where;
            EXPECT_LE(r->Right(), out.Accept.Left) << where;
        }
        EXPECT_FALSE(Overlap(out.CheckCaption, out.CheckBox)) << where;
        // The document makes way: it covers none of the group.
        for (const TwipRect* r : {&out.CheckCaption, &out.CheckBox, &out.Eye})
            EXPECT_LE(out.Document.Bottom(), r->Top) << where;
        EXPECT_GE(out.Document.Height, first.Document.Height / 2 - 300) << where;
        // The eye leaves the message its minimum; the history buttons stay on the screen.
        if (c.eye) {
            EXPECT_GE(out.Eye.Left, out.Message.Left + in.MessageMinWidth) << where;
        }
        if (c.history) {
            EXPECT_GE(out.History[0].Left, 0) << where;
            EXPECT_LE(out.History[1].Right(), c.eye ? out.Eye.Left : out.CheckBox.Left) << where;
        }
        // Growing upwards from the one-line bottom, no higher than the document's middle.
        EXPECT_EQ(out.CheckCaption.Bottom(), first.CheckCaption.Top + in.CheckCaptionHeight) << where;
        EXPECT_EQ(out.CheckCaption.Height,
                  std::min(c.wrappedHeight, out.CheckCaption.Bottom() - first.Document.Top - first.Document.Height / 2))
            << where;
        EXPECT_EQ(out.CheckBox.Top, out.CheckCaption.Top) << where;
        EXPECT_EQ(out.Message.Top, out.Accept.Top + 200) << where;
    }
}

TEST(ComputeLayout, ACaptionThatFitsKeepsItsOneLinePlace) {
    for (long wide : {1024L, 1280L}) {
        LayoutInput in = ScreenOf(wide, 768);
        in.CheckCaptionWidth = 3000;
        in.CheckCaptionWrappedHeight = 900;  // not used while the line fits
        const DeclarationLayout out = ComputeLayout(in);
        EXPECT_FALSE(out.CheckCaptionWraps);
        EXPECT_EQ(out.CheckCaption.Left, out.Accept.Left - 3000 - 200);
        EXPECT_EQ(out.CheckCaption.Top, out.Accept.Top + 200);
        EXPECT_EQ(out.CheckCaption.Width, 3000);
        EXPECT_EQ(out.CheckCaption.Height, 300);
        EXPECT_EQ(out.CheckBox.Left, out.CheckCaption.Left - 240 - 100);
        EXPECT_EQ(out.CheckBox.Top, out.CheckCaption.Top);
    }
}

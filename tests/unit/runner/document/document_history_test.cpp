#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner/window/declaration_ids.h"
#include "runner/document/document_history.h"

namespace {

// The window's side: the list shared with the selection, and a view that
// announces each navigation to the history before it shows the target.
struct Window {
    std::vector<std::string> list;
    DocumentHistory history{list};
    std::string location;
    int dismissals = 0;

    void Navigate(const std::string& target) {
        if (history.BeforeNavigate(target, location)) ++dismissals;
        location = target;
    }
    // The selection opens the declaration document.
    void Open(const std::string& document) {
        Navigate(document);
        list.push_back(document);
    }
    void Press(int index, int shift = kNoShift) {
        const std::string entry = history.Press(index, shift, location);
        if (!entry.empty() && entry != location) Navigate(entry);
    }
};

}  // namespace

TEST(DocumentHistory, BeforeAnyLinkBothButtonsAreDisabledAndDoNothing) {
    Window w;
    w.Open("index.html");
    EXPECT_FALSE(w.history.Button(0).Enabled);
    EXPECT_FALSE(w.history.Button(1).Enabled);
    EXPECT_EQ(PIC_BACK_DISABLED, w.history.Button(0).Picture);
    EXPECT_EQ(PIC_FORWARD_DISABLED, w.history.Button(1).Picture);
    w.Press(0);
    w.Press(1);
    w.Press(0, kCtrlKey);
    EXPECT_EQ("index.html", w.location);
    EXPECT_EQ(1, w.history.Count());
    EXPECT_EQ(0, w.history.Position());
}

TEST(DocumentHistory, OneLinkThenBackAndForward) {
    Window w;
    w.Open("index.html");
    w.Navigate("a.html");
    EXPECT_EQ(2, w.history.Count());
    EXPECT_EQ(2, w.history.Position());
    EXPECT_TRUE(w.history.Button(0).Enabled);
    EXPECT_EQ(PIC_BACK_ENABLED, w.history.Button(0).Picture);
    EXPECT_EQ("index.html", w.history.Button(0).DataField);
    EXPECT_FALSE(w.history.Button(1).Enabled);

    w.Press(0);
    EXPECT_EQ("index.html", w.location);
    EXPECT_FALSE(w.history.Button(0).Enabled);
    EXPECT_TRUE(w.history.Button(1).Enabled);
    EXPECT_EQ(PIC_FORWARD_ENABLED, w.history.Button(1).Picture);
    EXPECT_EQ("a.html", w.history.Button(1).DataField);

    w.Press(1);
    EXPECT_EQ("a.html", w.location);
    EXPECT_EQ(2, w.history.Count());  // steps add no entries
    EXPECT_TRUE(w.history.Button(0).Enabled);
    EXPECT_FALSE(w.history.Button(1).Enabled);
}

TEST(DocumentHistory, FollowingALinkAfterGoingBackAppendsAtTheEnd) {
    Window w;
    w.Open("index.html");
    w.Navigate("a.html");
    w.Navigate("b.html");
    w.Press(0);
    w.Press(0);
    EXPECT_EQ("index.html", w.location);
    w.Navigate("c.html");
    EXPECT_EQ((std::vector<std::string>{"index.html", "a.html", "b.html", "c.html"}), w.list);
    EXPECT_EQ(4, w.history.Position());
    EXPECT_FALSE(w.history.Button(1).Enabled);
}

TEST(DocumentHistory, CtrlJumpsToTheEnds) {
    Window w;
    w.Open("index.html");
    w.Navigate("a.html");
    w.Navigate("b.html");
    w.Navigate("c.html");
    w.Press(0, kCtrlKey);
    EXPECT_EQ("index.html", w.location);
    EXPECT_EQ(1, w.history.Position());
    EXPECT_FALSE(w.history.Button(0).Enabled);
    // The way forward stays open after the jump back.
    EXPECT_TRUE(w.history.Button(1).Enabled);
    EXPECT_EQ("a.html", w.history.Button(1).DataField);

    w.Press(1, kCtrlKey);
    EXPECT_EQ("c.html", w.location);
    EXPECT_EQ(4, w.history.Position());
    EXPECT_TRUE(w.history.Button(0).Enabled);
    EXPECT_FALSE(w.history.Button(1).Enabled);
    EXPECT_EQ(4, w.history.Count());
}

TEST(DocumentHistory, OtherShiftStatesDoNothing) {
    Window w;
    w.Open("index.html");
    w.Navigate("a.html");
    w.Press(0, kShiftKey);
    w.Press(0, kAltKey);
    w.Press(0, kCtrlKey | kShiftKey);
    EXPECT_EQ("a.html", w.location);
    EXPECT_EQ(2, w.history.Position());
}

TEST(DocumentHistory, APressThatOpensNothingKeepsTheNextLinkRecorded) {
    Window w;
    w.Open("index.html");
    w.Press(1);
    w.Press(0, kCtrlKey);
    w.Navigate("a.html");
    EXPECT_EQ(2, w.history.Count());
    EXPECT_TRUE(w.history.Button(0).Enabled);
    // A step to the page already shown opens nothing either.
    w.Navigate("index.html");
    EXPECT_EQ("index.html", w.history.Press(0, kCtrlKey, w.location));
    EXPECT_EQ("1", w.history.NavigationMode());
}

TEST(DocumentHistory, OnlyTheNavigationOfAStepGoesUnrecorded) {
    Window w;
    w.Open("index.html");
    w.Navigate("a.html");
    const std::string entry = w.history.Press(0, kNoShift, w.location);
    EXPECT_EQ("0", w.history.NavigationMode());
    w.Navigate(entry);
    EXPECT_EQ("1", w.history.NavigationMode());
    w.Navigate("b.html");
    EXPECT_EQ((std::vector<std::string>{"index.html", "a.html", "b.html"}), w.list);
}

TEST(DocumentHistory, NavigationToTheShownLocationIsNotCounted) {
    Window w;
    w.Open("index.html");
    w.Navigate("index.html");
    EXPECT_EQ(1, w.history.Count());
    EXPECT_EQ(1, w.history.Navigations());
}

TEST(DocumentHistory, SecondNavigationDismissesTheDocumentTipOnce) {
    Window w;
    w.Open("index.html");
    EXPECT_EQ(0, w.dismissals);
    w.Navigate("a.html");
    EXPECT_EQ(1, w.dismissals);
    w.Navigate("b.html");
    w.Press(0);
    EXPECT_EQ(1, w.dismissals);
}

TEST(DocumentHistory, TipsNameTheTargetOrSayThereIsNone) {
    Window w;
    w.Open("index.html");
    EXPECT_EQ("Previous", w.history.Tip(0).Title);
    EXPECT_EQ("No Previous", w.history.Tip(0).Text);
    EXPECT_EQ("Next", w.history.Tip(1).Title);
    EXPECT_EQ("No Next", w.history.Tip(1).Text);
    w.Navigate("a.html");
    EXPECT_EQ("index.html", w.history.Tip(0).Text);
    EXPECT_EQ("No Next", w.history.Tip(1).Text);
}

TEST(DocumentHistory, SetHistoryTargetOutsideTheListIsEmpty) {
    Window w;
    w.Open("index.html");
    w.Navigate("a.html");
    HistoryButton button;
    w.history.SetHistoryTarget(0, button);
    EXPECT_EQ("", button.DataField);
    w.history.SetHistoryTarget(3, button);
    EXPECT_EQ("", button.DataField);
    w.history.SetHistoryTarget(2, button);
    EXPECT_EQ("a.html", button.DataField);
}

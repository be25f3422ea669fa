// The declaration window's own list of the documents shown, and the back and
// forward buttons that step through it.
#pragma once

#include <string>
#include <vector>

struct HistoryButton {
    std::string DataMember;  // the button's name: "Previous" or "Next"
    std::string DataField;   // where a press would go; empty when nowhere
    bool Enabled = false;    // the button's Tag "1" or "0"
    int Picture = 0;         // number in the window's image list
};

// Shift state of a mouse press: 0 none, 1 Shift, 2 Ctrl, 4 Alt (summed).
enum HistoryShift { kNoShift = 0, kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

struct HistoryTip {
    std::string Title;
    std::string Text;
};

class DocumentHistory {
public:
    // The list is the window's, shared with the document selection, which
    // appends every document it opens.
    explicit DocumentHistory(std::vector<std::string>& list);

    void SetHistoryButton(int index, bool enabled);
    void SetHistoryTarget(int position, HistoryButton& button) const;
    void UpdateHistoryTargets();

    // The view is about to show target while it shows current. Answers true
    // on the second counted navigation: the first link the user follows,
    // which dismisses the document tip.
    bool BeforeNavigate(const std::string& target, const std::string& current);

    // Mouse-down on a history button (0 back, 1 forward) while the view shows
    // current. Answers the entry to open, or empty text when nothing is to be
    // opened.
    std::string Press(int index, int shift, const std::string& current);

    HistoryTip Tip(int index) const;

    const HistoryButton& Button(int index) const { return buttons_[index != 0]; }
    int Position() const { return position_; }
    int Count() const { return static_cast<int>(list_.size()); }
    const std::string& NavigationMode() const { return mode_; }
    int Navigations() const { return navigations_; }

private:
    std::string Step(int index, int shift);
    std::string Entry(int position) const;
    void EnableByPosition();

    std::vector<std::string>& list_;
    HistoryButton buttons_[2];
    int position_ = 0;  // the browser control's Tag; 0 until a link is followed
    std::string mode_;  // the window's Tag: "1" records, "0" does not, empty at start
    int navigations_ = 0;
};

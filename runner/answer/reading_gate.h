// "Require Reading To End": the accept button and the check box wait until
// the document has been scrolled to its end once. A document that fits the
// view counts as read at once; scrolling back up takes nothing back.
#pragma once

class ReadingGate {
public:
    explicit ReadingGate(bool required) : required_(required) {}
    // The view's scroll position and sizes, in any one unit.
    void Update(long scrollTop, long viewHeight, long documentHeight);
    bool MayAccept() const { return !required_ || reachedEnd_; }
    bool Required() const { return required_; }

private:
    bool required_;
    bool reachedEnd_ = false;
};

// The accept button's hover tip while reading is still required.
constexpr char kScrollToEndTip[] = "Scroll to the end of the document to accept.";

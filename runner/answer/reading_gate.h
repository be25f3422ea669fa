// "Require Reading To End": the accept button and the check box wait until
// the document has been scrolled to its end once. A document that fits the
// view counts as read at once; scrolling back up takes nothing back.
#pragma once

constexpr unsigned long kUnmeasuredMilliseconds = 10000;

class ReadingGate {
public:
    explicit ReadingGate(bool required) : required_(required) {}
    // The view's scroll position and sizes, in any one unit; false (nothing
    // decided) while the view is not laid out.
    bool Update(long scrollTop, long viewHeight, long documentHeight);
    // The view could not tell where it stands (a page still loading, or a
    // document it cannot measure, such as a PDF in the browser control).
    // After kUnmeasuredMilliseconds of that in a row the gate opens: a
    // document whose end cannot be seen must not keep the user from accepting.
    void NoPosition(unsigned long nowMilliseconds);
    bool MayAccept() const { return !required_ || reachedEnd_; }
    bool Required() const { return required_; }

private:
    bool required_;
    bool reachedEnd_ = false;
    bool unmeasured_ = false;
    unsigned long unmeasuredSince_ = 0;
};

// The accept button's hover tip while reading is still required.
constexpr char kScrollToEndTip[] = "Scroll to the end of the document to accept.";

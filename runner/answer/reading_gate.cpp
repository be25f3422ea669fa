#include "runner/answer/reading_gate.h"

bool ReadingGate::Update(long scrollTop, long viewHeight, long documentHeight) {
    if (viewHeight <= 0 || documentHeight <= 0) return false;  // not laid out yet
    unmeasured_ = false;
    // A pixel or two of rounding at the bottom still counts as the end.
    constexpr long kSlack = 2;
    if (scrollTop + viewHeight + kSlack >= documentHeight) reachedEnd_ = true;
    return true;
}

void ReadingGate::NoPosition(unsigned long nowMilliseconds) {
    if (!unmeasured_) {
        unmeasured_ = true;
        unmeasuredSince_ = nowMilliseconds;
    } else if (nowMilliseconds - unmeasuredSince_ >= kUnmeasuredMilliseconds) {
        reachedEnd_ = true;
    }
}

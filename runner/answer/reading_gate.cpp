#include "runner/answer/reading_gate.h"

void ReadingGate::Update(long scrollTop, long viewHeight, long documentHeight) {
    if (viewHeight <= 0 || documentHeight <= 0) return;  // not laid out yet
    // A pixel or two of rounding at the bottom still counts as the end.
    constexpr long kSlack = 2;
    if (scrollTop + viewHeight + kSlack >= documentHeight) reachedEnd_ = true;
}

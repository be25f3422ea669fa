#include "runner/answer/reading_gate.h"

#include <gtest/gtest.h>

TEST(ReadingGate, OpensAtTheEndOnceAndStaysOpen) {
    ReadingGate off(false);
    EXPECT_TRUE(off.MayAccept());
    ReadingGate shortDoc(true);
    shortDoc.Update(0, 600, 0);  // not laid out: no decision
    shortDoc.Update(0, 0, 400);
    EXPECT_FALSE(shortDoc.MayAccept());
    shortDoc.Update(0, 600, 400);  // fits the view
    EXPECT_TRUE(shortDoc.MayAccept());
    ReadingGate longDoc(true);
    longDoc.Update(0, 600, 5000);
    longDoc.Update(4000, 600, 5000);
    EXPECT_FALSE(longDoc.MayAccept());
    longDoc.Update(4399, 600, 5000);  // within rounding of the end
    EXPECT_TRUE(longDoc.MayAccept());
    longDoc.Update(0, 600, 5000);  // scrolled back up
    EXPECT_TRUE(longDoc.MayAccept());
}

TEST(ReadingGate, ADocumentThatCannotBeMeasuredOpensItAfterAWhile) {
    ReadingGate gate(true);
    gate.NoPosition(1000);
    gate.NoPosition(1000 + kUnmeasuredMilliseconds - 1);
    EXPECT_FALSE(gate.MayAccept());
    EXPECT_TRUE(gate.Update(0, 600, 5000));  // measured again: the wait starts over
    gate.NoPosition(20000);
    gate.NoPosition(20000 + kUnmeasuredMilliseconds - 1);
    EXPECT_FALSE(gate.MayAccept());
    gate.NoPosition(20000 + kUnmeasuredMilliseconds);
    EXPECT_TRUE(gate.MayAccept());
}

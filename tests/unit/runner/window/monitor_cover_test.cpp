#include "runner/window/monitor_cover.h"

#include <gtest/gtest.h>

TEST(MonitorCover, EveryMonitorButThePrimary) {
    const ScreenRect primary{0, 0, 1920, 1080}, left{-1280, 0, 0, 1024}, above{0, -900, 1600, 0};
    using V = std::vector<ScreenRect>;
    EXPECT_EQ(CoverRects({primary}, primary), V{});
    EXPECT_EQ(CoverRects({left, primary, above, left}, primary), (V{left, above}));
    // Empty rectangles and a mirrored monitor inside the primary need no cover.
    EXPECT_EQ(CoverRects({primary, {0, 0, 1280, 720}, {5, 5, 5, 900}}, primary), V{});
}

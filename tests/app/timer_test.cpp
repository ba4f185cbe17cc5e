#include <gtest/gtest.h>

#include "app/timer.h"

TEST(HiResTimer, FrameTimeStartsAtOneTenThousandthAndNeverZero) {
    HiResTimer timer;
    EXPECT_FLOAT_EQ(timer.FrameTime(), 0.0001f);
    timer.Start();
    for (int i = 0; i < 1000; ++i) {
        timer.Tick();
        ASSERT_GT(timer.FrameTime(), 0.0f);
    }
}

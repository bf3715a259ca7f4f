#include <gtest/gtest.h>

#include <string>

#include "platform/clock_seeded_random.h"
#include "virtual_clock.h"

namespace {

TEST(VirtualClock, firesDueTicksInTimeOrderAndTiesInStartOrder) {
    testing_support::VirtualClock clock;
    std::string log;
    clock.start(30, [&] { log += 'a'; });
    clock.start(20, [&] { log += 'b'; });
    clock.start(30, [&] { log += 'c'; });
    clock.advance(59);
    EXPECT_EQ(log, "bacb");  // 20, 30, 30, 40
    clock.advance(1);
    EXPECT_EQ(log, "bacbabc");  // 60: all three, in start order
}

TEST(VirtualClock, aTickMayStopItselfAndStartAnother) {
    testing_support::VirtualClock clock;
    int first = 0;
    int second = 0;
    platform::Clock::TimerId id = 0;
    id = clock.start(30, [&] {
        ++first;
        clock.stop(id);
        clock.start(500, [&] { ++second; });
    });
    clock.advance(529);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    clock.advance(1);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(clock.now(), 530);
}

TEST(ClockSeededRandom, drawsLieInTheUnitIntervalAndNeverReachOne) {
    platform::ClockSeededRandom random;
    float lowest = 1;
    float highest = 0;
    for (int i = 0; i < 100000; ++i) {
        random.Randomize();
        const float r = random.Rnd();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.001F);
    EXPECT_GT(highest, 0.999F);
}

TEST(ClockSeededRandom, reseedingWithinOneClockTickStillGivesFreshDraws) {
    platform::ClockSeededRandom random;
    random.Randomize();
    const float first = random.Rnd();
    random.Randomize();
    EXPECT_NE(random.Rnd(), first);
}

}  // namespace

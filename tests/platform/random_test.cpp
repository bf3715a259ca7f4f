#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/runtime/clock_seeded_random.h"

namespace {

// Reseeded before every draw: in [0, 1), reaching both ends, each third as
// often, and fresh within one tick of the clock.
TEST(ClockSeededRandom, reseededDrawsFillTheUnitIntervalInEqualThirds) {
    platform::ClockSeededRandom random;
    std::vector<float> draws(60000);
    for (float& draw : draws) {
        random.Randomize();
        draw = random.Rnd();
    }
    // Iterator algorithms: em++'s libc++ has not the ranges ones.
    const auto [lowest, highest] = std::minmax_element(draws.begin(), draws.end());
    EXPECT_TRUE(*lowest >= 0.0F && *lowest < 0.001F) << *lowest;
    EXPECT_TRUE(*highest > 0.999F && *highest < 1.0F) << *highest;
    for (const int third : {0, 1, 2}) {
        EXPECT_NEAR(std::count_if(draws.begin(), draws.end(),
                                  [&](float r) { return static_cast<int>(r * 3.0F) == third; }),
                    20000, 1200);
    }
    // What unique leaves over: the draws equal to the one before them.
    EXPECT_LT(draws.end() - std::unique(draws.begin(), draws.end()), 5);
}

}  // namespace

#include <string>

#include "sequence_recorder.h"
#include "startup_test_fixture.h"

namespace {

using platform::RGB;
using startup_testing::recordSequence;
using startup_testing::ShapeState;

constexpr auto kBandRed = RGB(240, 28, 36);
constexpr auto kCrossingRed = RGB(180, 14, 18);

constexpr platform::Color grey(int level) {
    return RGB(level, level, level);
}

using SequenceTest = StartupWindowTest;

TEST_F(SequenceTest, titleFadesInTwentyFiveStepsToBlackAndTimer1StopsOnItsTwentySixthTick) {
    const auto frames = recordSequence(form, rt.clock);
    int changes = 0;
    platform::Color previous = grey(255);
    for (int k = 1; k <= 25; ++k) {
        const auto& frame = frames.at(k - 1);
        EXPECT_EQ(frame.title, grey(250 - 10 * k)) << "tick " << k;
        EXPECT_TRUE(frame.timer1) << "tick " << k;
        changes += frame.title != previous ? 1 : 0;
        previous = frame.title;
    }
    EXPECT_EQ(changes, 25);
    EXPECT_EQ(form.FadeLevel, 0);
    for (int k = 26; k <= startup_testing::kSequenceTicks; ++k) {
        EXPECT_EQ(frames.at(k - 1).title, grey(0)) << "tick " << k;
        EXPECT_FALSE(frames.at(k - 1).timer1) << "tick " << k;
    }
}

TEST_F(SequenceTest, bandsGrowOneStepATickAndTheSquareAppearsAtTicks35And36) {
    const auto frames = recordSequence(form, rt.clock);
    for (int n = 1; n <= 40; ++n) {
        const auto& frame = frames.at(n - 1);
        EXPECT_EQ(frame.shape2, (ShapeState{480, 0, 495, 15.0F + 120 * n, true, kBandRed}))
            << "tick " << n;
        EXPECT_EQ(frame.shape1,
                  (ShapeState{7800.0F - 200 * n, 3240, 15.0F + 200 * n, 495, true, kBandRed}))
            << "tick " << n;
        EXPECT_EQ(frame.shape3.Visible, n >= 35) << "tick " << n;
        EXPECT_TRUE(frame.timer2) << "tick " << n;
        EXPECT_FALSE(frame.timer3) << "tick " << n;
    }
    // Tick 36 writes the same square again.
    EXPECT_EQ(frames.at(34).shape3, frames.at(35).shape3);

    const auto& last = frames.at(40);
    EXPECT_FALSE(last.timer2);
    EXPECT_TRUE(last.timer3);
    EXPECT_EQ(last.shape1, frames.at(39).shape1);
    EXPECT_EQ(last.shape2, frames.at(39).shape2);
}

TEST_F(SequenceTest, finalShapes) {
    recordSequence(form, rt.clock);
    EXPECT_EQ(startup_testing::stateOf(c().Shape2),
              (ShapeState{480, 0, 495, 4815, true, kBandRed}));
    EXPECT_EQ(startup_testing::stateOf(c().Shape1),
              (ShapeState{-200, 3240, 8015, 495, true, kBandRed}));
    EXPECT_EQ(startup_testing::stateOf(c().Shape3),
              (ShapeState{480, 3240, 495, 495, true, kCrossingRed}));
    EXPECT_EQ(c().Shape3.BorderColor.get(), kCrossingRed);
}

TEST_F(SequenceTest, handsOverOnceAt1730MsWhileStillLoadedThenUnloads) {
    rt.clock.advance(1729);
    EXPECT_EQ(handOffs, 0);
    EXPECT_TRUE(form.loaded());

    rt.clock.advance(1);
    EXPECT_EQ(handOffs, 1);
    EXPECT_TRUE(loadedAtHandOff);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(rt.clock.running(), 0U);

    rt.clock.advance(5000);
    EXPECT_EQ(handOffs, 1);
}

TEST_F(SequenceTest, bandsOfExactly4815AreCompleteAndOneTwipLessStillGrows) {
    c().Shape2.Height = 4815;
    ticks(1);
    EXPECT_EQ(c().Shape2.Height.get(), 4815);
    EXPECT_EQ(c().Shape1.Left.get(), 7800);
    EXPECT_FALSE(c().Timer2.Enabled);
    EXPECT_TRUE(c().Timer3.Enabled);

    reload();
    c().Shape2.Height = 4814;
    ticks(1);
    EXPECT_EQ(c().Shape2.Height.get(), 4934);
    EXPECT_TRUE(c().Timer2.Enabled);
}

TEST_F(SequenceTest, fadeLevelOutsideItsRangeOnlyStopsTimer1) {
    for (const std::int16_t outside : {std::int16_t{251}, std::int16_t{0}, std::int16_t{-10}}) {
        reload();
        form.FadeLevel = outside;
        ticks(1);
        EXPECT_FALSE(c().Timer1.Enabled) << outside;
        EXPECT_EQ(form.FadeLevel, outside);
        EXPECT_EQ(c().lblWord.ForeColor.get(), grey(255)) << outside;
        EXPECT_EQ(c().Shape2.Height.get(), 135) << "the bands go on";
    }
}

struct CrossingCase {
    platform::Twips leftAfterStep;
    bool squareShown;
};

class CrossingBoundsTest : public StartupWindowTest,
                           public ::testing::WithParamInterface<CrossingCase> {};

TEST_P(CrossingBoundsTest, squareShowsOnlyWithTheHorizontalBandsLeftEndIn480To960) {
    c().Shape1.Left = GetParam().leftAfterStep + 200;
    ticks(1);
    EXPECT_EQ(c().Shape3.Visible.get(), GetParam().squareShown);
    const ShapeState expected = GetParam().squareShown
                                    ? ShapeState{480, 3240, 495, 495, true, kCrossingRed}
                                    : ShapeState{960, 3240, 15, 495, false, RGB(64, 64, 64)};
    EXPECT_EQ(startup_testing::stateOf(c().Shape3), expected);
}

INSTANTIATE_TEST_SUITE_P(Bounds, CrossingBoundsTest,
                         ::testing::Values(CrossingCase{960, true}, CrossingCase{480, true},
                                           CrossingCase{1000, false}, CrossingCase{400, false}),
                         [](const auto& info) {
                             return "left" +
                                    std::to_string(static_cast<int>(info.param.leftAfterStep));
                         });

}  // namespace

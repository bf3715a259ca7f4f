#include "startup_test_fixture.h"

namespace {

using platform::kOpaque;
using platform::kRightButton;
using platform::kTransparent;

class ExitLabelTest : public StartupWindowTest,
                      public ::testing::WithParamInterface<std::int64_t> {};

TEST_P(ExitLabelTest, clickEndsTheProgramAndTheMainWindowIsNeverShown) {
    rt.clock.advance(GetParam());
    pointer.click(c().lblEsc);
    EXPECT_TRUE(rt.process.ended);

    rt.clock.advance(5000);
    EXPECT_EQ(handOffs, 0);
}

// At load, mid-fade, as the bands finish, in the pause, and 1 ms before the
// hand-off.
INSTANTIATE_TEST_SUITE_P(AnyMoment, ExitLabelTest, ::testing::Values(0, 500, 1230, 1500, 1729));

TEST_F(ExitLabelTest, greyBoxShowsOnlyWhileTheButtonIsDown) {
    const auto [x, y] = testing_support::Pointer::centreOf(c().lblEsc);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kTransparent);
    form.mouseDown(x, y, platform::kLeftButton, 0);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kOpaque);
    rt.clock.advance(300);  // held while the sequence runs on
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kOpaque);

    // Released away from the "x": the box goes, the program stays.
    form.mouseUp(x - 100, y + 100, platform::kLeftButton, 0);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kTransparent);
    EXPECT_FALSE(rt.process.ended);
}

TEST_F(ExitLabelTest, middleButtonShowsTheBoxButDoesNotEnd) {
    const auto [x, y] = testing_support::Pointer::centreOf(c().lblEsc);
    form.mouseDown(x, y, platform::kMiddleButton, 0);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kOpaque);
    form.mouseUp(x, y, platform::kMiddleButton, 0);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kTransparent);
    EXPECT_FALSE(rt.process.ended);
}

TEST_F(ExitLabelTest, rightButtonClickEndsLikeTheLeft) {
    testing_support::Pointer{form}.click(c().lblEsc, kRightButton);
    EXPECT_TRUE(rt.process.ended);
}

}  // namespace

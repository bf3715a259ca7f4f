#include "startup_test_fixture.h"

namespace {

using platform::kOpaque;
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

struct ExitPress {
    int button;
    int releaseDx, releaseDy;  // from the press
};

class ExitLabelPressTest : public StartupWindowTest,
                           public ::testing::WithParamInterface<ExitPress> {};

// The grey box shows while the button is down, held as long as the sequence
// runs on; the release clears it and the click ends the program.
TEST_P(ExitLabelPressTest, anyButtonLetGoAnywhereShowsTheBoxThenEnds) {
    const auto [x, y] = testing_support::Pointer::centreOf(c().lblEsc);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kTransparent);
    form.mouseDown(x, y, GetParam().button, 0);
    rt.clock.advance(300);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kOpaque);
    EXPECT_FALSE(rt.process.ended);
    form.mouseUp(x + GetParam().releaseDx, y + GetParam().releaseDy, GetParam().button, 0);
    EXPECT_EQ(c().lblEsc.BackStyle.get(), kTransparent);
    EXPECT_TRUE(rt.process.ended);
}

INSTANTIATE_TEST_SUITE_P(AnyButton, ExitLabelPressTest,
                         ::testing::Values(ExitPress{platform::kLeftButton, -100, 100},
                                           ExitPress{platform::kMiddleButton, 0, 0},
                                           ExitPress{platform::kRightButton, 0, 0}));

}  // namespace

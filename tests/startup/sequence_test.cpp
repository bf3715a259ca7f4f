#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>

#include "pixel_tables.h"
#include "program_test.h"

namespace {

using pixel_tables::kBandRed;
using pixel_tables::kCrossingRed;
using platform::RGB;

using SequenceTest = ProgramTest;

// Left, top, width, height and colour of a shape, shown or not.
std::tuple<float, float, float, float, platform::Color, bool> stateOf(const platform::Shape& s) {
    return {s.Left, s.Top, s.Width, s.Height, s.BackColor, s.Visible};
}

// The title darkens ten grey levels a tick, the bands grow for 40 ticks, the
// square shows from tick 35, and tick 41 starts the hand-off timer.
TEST_F(SequenceTest, everyTickOfTheTitleFadeAndTheBands) {
    for (int n = 1; n <= 41; ++n) {
        SCOPED_TRACE("tick " + std::to_string(n));
        rt.clock.advance(30);  // the sequence's timers tick every 30 ms
        const int grey = std::max(0, 250 - 10 * n);
        const auto step = static_cast<float>(std::min(n, 40));
        EXPECT_EQ(s().lblWord.ForeColor.get(), RGB(grey, grey, grey));
        EXPECT_EQ(s().Timer1.Enabled.get(), n <= 25);
        EXPECT_EQ(stateOf(s().Shape2), std::tuple(480, 0, 495, 15 + 120 * step, kBandRed, true));
        EXPECT_EQ(stateOf(s().Shape1),
                  std::tuple(7800 - 200 * step, 3240, 15 + 200 * step, 495, kBandRed, true));
        if (n >= 35) {
            EXPECT_EQ(stateOf(s().Shape3), std::tuple(480, 3240, 495, 495, kCrossingRed, true));
        } else {
            EXPECT_FALSE(s().Shape3.Visible);
        }
        EXPECT_EQ(s().Timer3.Enabled.get(), n == 41);
    }
}

// Any moment, any button let go anywhere: a grey box while held, and the click
// ends the program before the main window shows.
TEST(ExitLabelTest, anyPressEndsTheProgramAndTheMainWindowIsNeverShown) {
    // The moment after the load in ms, the button, where it is let go from the press.
    for (const auto& [name, at, button, releaseDx, releaseDy] :
         std::initializer_list<std::tuple<const char*, std::int64_t, int, int, int>>{
             {"atLoad_leftButton", 0, platform::kLeftButton, 0, 0},
             {"midFade_middleButton", 500, platform::kMiddleButton, 0, 0},
             {"asTheSquareShows_rightButton", 1030, platform::kRightButton, 0, 0},
             {"inThePause_leftButtonLetGoElsewhere", 1500, platform::kLeftButton, -100, 100},
             {"letGo1msBeforeTheHandOff_leftButton", 1529, platform::kLeftButton, 0, 0}}) {
        SCOPED_TRACE(name);
        ProgramRun program;
        const auto& esc = program.s().lblEsc;
        const auto [x, y] = centreOf(esc);
        program.rt.clock.advance(at);
        EXPECT_EQ(esc.BackStyle.get(), platform::kTransparent);
        program.inicio().mouseDown(x, y, button, 0);
        program.rt.clock.advance(200);
        EXPECT_EQ(esc.BackStyle.get(), platform::kOpaque);
        EXPECT_FALSE(program.rt.process.ended);
        program.inicio().mouseUp(x + releaseDx, y + releaseDy, button, 0);
        EXPECT_EQ(esc.BackStyle.get(), platform::kTransparent);
        EXPECT_TRUE(program.rt.process.ended);
        program.rt.clock.advance(5000);
        EXPECT_FALSE(program.mainShown());
    }
}

}  // namespace

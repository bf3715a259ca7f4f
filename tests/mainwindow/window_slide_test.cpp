#include <algorithm>

#include "program_test.h"

namespace {

class WindowSlideTest : public MainWindowTest {
  protected:
    void slideTicks(int n) { rt.clock.advance(20LL * n); }
};

// Centred by its whole frame on the free area; then six steps up and one down,
// and a restart after k steps resumes with the 6 - k steps left up and the one down.
TEST_F(WindowSlideTest, sixStepsUpOneDownAndARestartAfterKStepsMakesTheRest) {
    const platform::PixelRect centred =
        principal().centredFrame(testing_support::RecordingWindowSystem::kTitleBarFrame);
    EXPECT_EQ(centred.width, 417 + 8);
    EXPECT_EQ(principal().Left.get(), platform::toTwips(centred.x));
    EXPECT_EQ(principal().Top.get(), platform::toTwips(centred.y));
    const platform::Twips centredTop = principal().Top;
    for (int k = 0; k <= 5; ++k) {  // none the first time
        const int up = 6 - k;
        for (int step = 1; step <= up + 2; ++step) {
            slideTicks(1);
            EXPECT_EQ(principal().Top.get(),
                      centredTop - 60 * std::min(step, up) + (step > up ? 120 : 0))
                << "restart after " << k << ", step " << step;
        }
        EXPECT_FALSE(c().tmrTop.Enabled);
        EXPECT_EQ(principal().slide().SlideStep, 0);
        reload(principal());
        slideTicks(k + 1);
        reload(principal());
        EXPECT_EQ(principal().Top.get(), centredTop);
    }
}

// Where the player drags the window is where the later steps start from; the
// form's Left stays wherever the drag left it.
TEST_F(WindowSlideTest, aDragIsWhereTheStepsGoOnFrom) {
    slideTicks(2);
    principal().windowMoved(40, 100);
    slideTicks(5);
    EXPECT_EQ(principal().Top.get(), 1500 - 4 * 60 + 120);
    EXPECT_EQ(principal().Left.get(), 600);
}

}  // namespace

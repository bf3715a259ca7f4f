#include <qpa/qwindowsysteminterface.h>
#include <QWindow>

#include "game/game_test_fixture.h"
#include "platform/form_window.h"

namespace {

class WindowSlideTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        centredTop = form.Top;
        centredLeft = form.Left;
    }
    void tick() { rt.clock.advance(20); }

    platform::Twips centredTop = 0;
    platform::Twips centredLeft = 0;
};

TEST_F(WindowSlideTest, sevenTicksSixUpOneDownThenTheTimerStops) {
    const platform::Twips expected[] = {-60, -120, -180, -240, -300, -360, -240};
    for (const platform::Twips offset : expected) {
        tick();
        EXPECT_EQ(form.Top.get(), centredTop + offset);
    }
    EXPECT_FALSE(c().tmrTop.Enabled);
    EXPECT_EQ(form.slide().SlideStep, 0);
    EXPECT_EQ(form.Left.get(), centredLeft);
    EXPECT_EQ(form.window()->size(), QSize(417, 225));
    EXPECT_EQ(form.window()->pos().y(), platform::toPixels(centredTop) - 16);
    tick();
    EXPECT_EQ(form.Top.get(), centredTop - 240);
}

TEST_F(WindowSlideTest, aWindowMovedDuringTheSlideKeepsTheStepsRelative) {
    tick();
    tick();
    form.window()->move(form.window()->pos().x(), 100);
    for (int i = 0; i < 5; ++i) {
        tick();
    }
    EXPECT_EQ(form.Top.get(), 1500 - 4 * 60 + 120);
}

// Under a window manager the window system reports each move some time
// after it was asked for, maybe after the slide has ended: that late report
// is no drag by the player, and the window stays where the slide left it.
TEST_F(WindowSlideTest, aLateReportOfAStepMovesNothing) {
    QWindow& native = *form.window()->windowHandle();
    tick();
    const QRect firstStep = native.geometry();
    for (int i = 0; i < 6; ++i) {
        tick();
    }
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
        &native, firstStep);
    EXPECT_EQ(form.Top.get(), centredTop - 240);
}

// The step count outlives the window: a slide cut short by a restart
// resumes at the next load.
TEST_F(WindowSlideTest, restartAfterKStepsGivesSixMinusKStepsUpAndOneDown) {
    for (int k = 1; k <= 5; ++k) {
        for (int i = 0; i < k; ++i) {
            tick();
        }
        rt.runtime.dispatch([this] {
            form.Unload();
            form.Show();
        });
        EXPECT_EQ(form.slide().SlideStep, k);
        const platform::Twips start = form.Top;
        EXPECT_EQ(start, centredTop);
        for (int i = 0; i < 20; ++i) {
            tick();
        }
        EXPECT_EQ(form.Top.get(), start - (6 - k) * 60 + 120) << k;
        EXPECT_EQ(form.slide().SlideStep, 0);
        rt.runtime.dispatch([this] {
            form.Unload();
            form.Show();
        });
    }
}

}  // namespace

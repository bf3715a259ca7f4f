#include <private/qguiapplication_p.h>
#include <qpa/qwindowsysteminterface.h>
#include <QCoreApplication>
#include <QWindow>
#include <array>

#include "platform/qt/form_window.h"
#include "program_test.h"

namespace {

class WindowSlideTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        centredTop = principal().Top;
        centredLeft = principal().Left;
    }
    void slideTicks(int n) { rt.clock.advance(20LL * n); }

    platform::Twips centredTop = 0;
    platform::Twips centredLeft = 0;
};

TEST_F(WindowSlideTest, sevenTicksSixUpOneDownThenTheTimerStops) {
    for (const platform::Twips offset :
         std::array<platform::Twips, 7>{-60, -120, -180, -240, -300, -360, -240}) {
        slideTicks(1);
        EXPECT_EQ(principal().Top.get(), centredTop + offset);
    }
    EXPECT_FALSE(c().tmrTop.Enabled);
    EXPECT_EQ(principal().slide().SlideStep, 0);
    EXPECT_EQ(principal().Left.get(), centredLeft);
    EXPECT_EQ(windowOf(principal())->size(), QSize(417, 225));
    EXPECT_EQ(windowOf(principal())->pos().y(), platform::toPixels(centredTop) - 16);
    slideTicks(1);
    EXPECT_EQ(principal().Top.get(), centredTop - 240);
}

using FirstShowTest = ProgramTest;

// The window system tells the frame (offscreen, two pixels all round) once
// the window is shown; the window then moves so that its whole frame is
// centred, keeping a step made in the meantime. Top is the frame's top.

TEST_F(FirstShowTest, theMainWindowIsCentredByItsFrameOnceTheFrameIsKnown) {
    rt.clock.advance(kHandOffMs + 20);  // the hand-off and the slide's first step
    QCoreApplication::processEvents();
    const platform::PixelRect area = rt.windows.screenArea();
    const QRect frame = windowOf(principal())->frameGeometry();
    ASSERT_GT(frame.height(), 225);
    const QPoint centred(area.x + (area.width - frame.width()) / 2,
                         area.y + (area.height - frame.height()) / 2);
    EXPECT_EQ(frame.topLeft(), centred - QPoint(0, 4));
    EXPECT_EQ(principal().Left.get(), platform::toTwips(centred.x()));
    EXPECT_EQ(principal().Top.get(), platform::toTwips(centred.y() - 4));

    // A fixed single border: a title bar that closes, and no resizing.
    const QWidget& window = *windowOf(principal());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// A window manager maps, frames and places a new window on its own, and the
// window system reports that late, once the window has moved by its frame
// and made a step: at the screen's corner, then where the client area was
// asked to be before the frame was known, then where the window manager's
// policy would have it. No button is held, so none of it is the player's: the
// window goes back where the form has it each time, and comes to rest 16
// pixels above the place centred by its frame.
TEST_F(FirstShowTest, theWindowManagersOwnPlacementOfTheNewWindowIsNoDrag) {
    rt.clock.advance(kHandOffMs + 20);  // shown, one step made, nothing reported yet
    const platform::PixelRect area = rt.windows.screenArea();
    QWindow& native = *windowOf(principal())->windowHandle();
    const QSize size = native.geometry().size();
    const QPoint askedUnframed(area.x + (area.width - size.width()) / 2,
                               area.y + (area.height - size.height()) / 2);
    for (const QPoint client : {QPoint(0, 0), askedUnframed, QPoint(300, 300)}) {
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            &native, QRect(client, size));
    }
    EXPECT_EQ(windowOf(principal())->frameGeometry().topLeft(),
              QPoint(platform::toPixels(principal().Left), platform::toPixels(principal().Top)));
    rt.clock.advance(20 * 6);
    QCoreApplication::processEvents();
    const QRect frame = windowOf(principal())->frameGeometry();
    const QPoint centred(area.x + (area.width - frame.width()) / 2,
                         area.y + (area.height - frame.height()) / 2);
    EXPECT_EQ(frame.topLeft(), centred - QPoint(0, 16));
    EXPECT_EQ(principal().Top.get(), platform::toTwips(centred.y() - 16));
    EXPECT_EQ(principal().Left.get(), platform::toTwips(centred.x()));
}

// Under a window manager the window system reports each move some time
// after it was asked for, maybe after the slide has ended: that late report
// is no drag by the player, and the window stays where the slide left it.
// A drag by the player, with a button held on the title bar, is where the
// steps go on from.
TEST_F(WindowSlideTest, aLateReportOfAStepMovesNothingButADragDoes) {
    QWindow& native = *windowOf(principal())->windowHandle();
    slideTicks(1);
    const QRect firstStep = native.geometry();
    slideTicks(6);
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
        &native, firstStep);
    EXPECT_EQ(principal().Top.get(), centredTop - 240);

    reload(principal());
    slideTicks(2);
    QGuiApplicationPrivate::mouse_buttons = Qt::LeftButton;  // on the title bar
    windowOf(principal())->move(windowOf(principal())->pos().x(), 100);
    QGuiApplicationPrivate::mouse_buttons = Qt::NoButton;
    slideTicks(5);
    EXPECT_EQ(principal().Top.get(), 1500 - 4 * 60 + 120);
}

// The step count outlives the window: a slide cut short by a restart
// resumes at the next load.
TEST_F(WindowSlideTest, restartAfterKStepsGivesSixMinusKStepsUpAndOneDown) {
    for (int k = 1; k <= 5; ++k) {
        slideTicks(k);
        reload(principal());
        EXPECT_EQ(principal().Top.get(), centredTop);
        slideTicks(20);
        EXPECT_EQ(principal().Top.get(), centredTop - (6 - k) * 60 + 120) << k;
        EXPECT_EQ(principal().slide().SlideStep, 0);
        reload(principal());
    }
}

}  // namespace

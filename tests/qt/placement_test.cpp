#include <private/qguiapplication_p.h>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>
#include <QGuiApplication>
#include <QJsonObject>
#include <QWindow>
#include <algorithm>
#include <initializer_list>
#include <tuple>

#include "qt_program.h"

class QOffscreenPlatformNativeInterface;

namespace {

// Offscreen stands in for a window manager: it frames a shown window two
// pixels all round, and the test reports the moves a window manager makes.
class PlacementTest : public QtProgramTest {
  protected:
    QWindow& native() { return *windowOf(principal())->windowHandle(); }
    void reportClientAt(QPoint client) {
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            &native(), QRect(client, native().geometry().size()));
    }
    QPoint framePlace() { return windowOf(principal())->frameGeometry().topLeft(); }
    QPoint formPlace() {
        return {platform::toPixels(principal().Left), platform::toPixels(principal().Top)};
    }
    QPoint centred(QSize size) {
        const platform::PixelRect area = rt.windows.screenArea();
        return {area.x + (area.width - size.width()) / 2,
                area.y + (area.height - size.height()) / 2};
    }
    QPoint centredByFrame() { return centred(windowOf(principal())->frameGeometry().size()); }
    // A button in the client area, over INICIAR.
    void pressInTheWindow(QEvent::Type type) {
        const auto [x, y] = centreOf(c().lblPlay[0]);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            &native(), QPointF(x, y), native().mapToGlobal(QPointF(x, y)), held, Qt::LeftButton,
            type);
    }
    void slideTicks(int n) { rt.clock.advance(20LL * n); }
    // Through offscreen's own configuration, its functions untyped; framed again after each test.
    // NOLINTBEGIN(cppcoreguidelines-pro-type-reinterpret-cast)
    static void frameNewWindows(bool framed) {
        using Offscreen = QOffscreenPlatformNativeInterface*;
        QPlatformNativeInterface* const native = QGuiApplication::platformNativeInterface();
        auto* const self = reinterpret_cast<Offscreen>(native);
        QJsonObject settings = reinterpret_cast<QJsonObject (*)(Offscreen)>(
            native->nativeResourceForIntegration("configuration"))(self);
        settings[QStringLiteral("windowFrameMargins")] = framed;
        reinterpret_cast<void (*)(const QJsonObject&, Offscreen)>(
            native->nativeResourceForIntegration("setConfiguration"))(settings, self);
    }
    // NOLINTEND(cppcoreguidelines-pro-type-reinterpret-cast)
    void TearDown() override { frameNewWindows(true); }
};

class WindowSlideTest : public PlacementTest {
  protected:
    void SetUp() override {
        handOff();
        centredTop = principal().Top;
        centredLeft = principal().Left;
    }

    platform::Twips centredTop = 0;
    platform::Twips centredLeft = 0;
};

using FirstShowTest = PlacementTest;

// The window manager's placing of the new window, reported late, is no drag;
// once the frame is known the whole frame is centred, keeping the step made
// meanwhile. Top is the frame's top.
TEST_F(FirstShowTest, theMainWindowIsCentredByItsFrameAndTheWindowManagersPlacingIsNoDrag) {
    rt.clock.advance(kHandOffMs + 20);  // shown, one step made, nothing reported yet
    for (const QPoint client :
         {QPoint(0, 0), centred(native().geometry().size()), QPoint(300, 300)}) {
        reportClientAt(client);
    }
    EXPECT_EQ(framePlace(), formPlace());
    QCoreApplication::processEvents();
    ASSERT_GT(windowOf(principal())->frameGeometry().height(), 225);
    EXPECT_EQ(framePlace(), centredByFrame() - QPoint(0, 4));
    EXPECT_EQ(formPlace(), centredByFrame() - QPoint(0, 4));
    slideTicks(6);
    EXPECT_EQ(framePlace(), centredByFrame() - QPoint(0, 16));

    const QWidget& window = *windowOf(principal());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// Once placed, a move without a button on the title bar leaves the window where
// it was put and the form's place alone, where the next step goes on from.
TEST_F(WindowSlideTest, movesOnceThePlacementIsOverAreNoDragAndTheSlideGoesOn) {
    for (const auto& [name, ticksBefore, buttonHeldInTheWindow, lateReportOfTheFirstStep] :
         std::initializer_list<std::tuple<const char*, int, bool, bool>>{
             {"aStepReportedAfterTheSlide", 7, false, true},
             {"aStepReportedWithAButtonHeldInTheWindow", 2, true, true},
             {"aKeyboardMoveDuringTheSlide", 2, false, false},
             {"aTilingMoveAtRest", 7, false, false}}) {
        SCOPED_TRACE(name);
        reload(principal());
        QCoreApplication::processEvents();
        slideTicks(1);
        const QPoint firstStep = native().geometry().topLeft();
        slideTicks(ticksBefore - 1);
        QCoreApplication::processEvents();
        const QPoint formBefore = formPlace();
        if (buttonHeldInTheWindow) {
            pressInTheWindow(QEvent::MouseButtonPress);
        }
        const QPoint movedTo = lateReportOfTheFirstStep ? firstStep : QPoint(40, 50);
        reportClientAt(movedTo);
        EXPECT_EQ(native().geometry().topLeft(), movedTo);
        EXPECT_EQ(formPlace(), formBefore);
        slideTicks(7 - ticksBefore);
        if (buttonHeldInTheWindow) {
            pressInTheWindow(QEvent::MouseButtonRelease);
        }
        EXPECT_EQ(principal().Top.get(), centredTop - 240);
        EXPECT_EQ(principal().Left.get(), centredLeft);
        if (ticksBefore < 7) {
            EXPECT_EQ(framePlace(), formPlace());
        }
    }
}

// A drag by the title bar is where the steps go on from; a busy window manager's
// late reports of the fourth step and the sixth (after the step back down to the
// fourth's place) are no drags: the window rests where the form has it.
TEST_F(WindowSlideTest, aDragByTheTitleBarIsWhereTheStepsGoOnFromAndLateReportsAreNone) {
    slideTicks(2);
    QGuiApplicationPrivate::mouse_buttons = Qt::LeftButton;  // on the title bar
    windowOf(principal())->move(windowOf(principal())->pos().x(), 100);
    QGuiApplicationPrivate::mouse_buttons = Qt::NoButton;
    slideTicks(5);
    EXPECT_EQ(principal().Top.get(), 1500 - 4 * 60 + 120);

    reload(principal());
    QCoreApplication::processEvents();
    slideTicks(4);
    const QPoint fourthStep = native().geometry().topLeft();
    slideTicks(2);
    const QPoint sixthStep = native().geometry().topLeft();
    reportClientAt(fourthStep);
    slideTicks(1);
    reportClientAt(sixthStep);
    EXPECT_EQ(native().geometry().topLeft(), fourthStep);
    EXPECT_EQ(principal().Top.get(), centredTop - 240);
}

// A restart's window reported before it is framed (as fluxbox does) is
// centred by the frame of the last load.
TEST_F(WindowSlideTest, aRestartFirstReportedWithoutAFrameKeepsTheFrameOfTheLastLoad) {
    const platform::FrameMargins frame = rt.windows.frameOf(1);
    ASSERT_GT(frame.top, 0);
    frameNewWindows(false);
    restart();
    handOff();
    ASSERT_TRUE(mainShown());
    EXPECT_EQ(windowOf(principal())->frameGeometry(), windowOf(principal())->geometry());
    EXPECT_EQ(rt.windows.frameOf(1), frame);
    EXPECT_EQ(principal().Top.get(), centredTop);
    EXPECT_EQ(principal().Left.get(), centredLeft);
}

}  // namespace

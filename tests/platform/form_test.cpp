#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/form_window.h"
#include "platform/runtime_error.h"
#include "test_form.h"
#include "test_runtime.h"

namespace {

using platform::kLeftButton;
using platform::kMiddleButton;
using platform::kRightButton;

class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rt.runtime.dispatch([this] { form.Show(); });
        form.c().cover.Visible = false;
        form.log.clear();
    }

    void press(int x, int y, int button = kLeftButton) { form.mouseDown(x, y, button, 0); }
    void release(int x, int y, int button = kLeftButton) { form.mouseUp(x, y, button, 0); }

    testing_support::TestRuntime rt;
    TestForm form{rt.runtime};
};

TEST_F(FormTest, pointerGoesToTheFrontmostVisibleLabelOrImageElseTheForm) {
    EXPECT_EQ(form.controlAt(60, 60), &form.c().frontLabel);  // label over image
    EXPECT_EQ(form.controlAt(120, 120), &form.c().backImage);
    EXPECT_EQ(form.controlAt(180, 180), nullptr);  // only the shape lies there
    form.c().frontLabel.Visible = false;
    EXPECT_EQ(form.controlAt(60, 60), &form.c().backImage);
    form.mouseMove(180, 180, 0, 0);
    EXPECT_EQ(form.log, "form.move;");
}

TEST_F(FormTest, pressGivesDownUpClickInThatOrder) {
    press(10, 10);
    release(10, 10);
    EXPECT_EQ(form.log, "front.down1;front.up1;front.click;");
}

// MouseUp and Click go to the control that took the press, for any button
// and wherever the button is let go; the release ends the capture.
TEST_F(FormTest, everyReleaseClicksThePressedControlWhereverItIsLetGo) {
    const struct {
        int button;
        int releaseX, releaseY;
        const char* log;
    } cases[] = {
        {kLeftButton, 10, 10, "front.down1;front.up1;front.click;image.move;"},
        {kRightButton, 120, 120,
         "front.down2;front.up2;front.click;image.move;"},  // over the image
        {kMiddleButton, 1000, 1000, "front.down4;front.up4;front.click;image.move;"},  // outside
    };
    for (const auto& each : cases) {
        form.log.clear();
        press(10, 10, each.button);
        release(each.releaseX, each.releaseY, each.button);
        form.mouseMove(120, 120, 0, 0);
        EXPECT_EQ(form.log, each.log) << each.button;
    }
}

TEST_F(FormTest, unknownButtonsAreIgnoredAndCaptureNothing) {
    press(10, 10, 0);
    release(10, 10, 0);
    form.mouseMove(120, 120, 0, 0);
    EXPECT_EQ(form.log, "image.move;");
}

TEST_F(FormTest, arrayMembersPassTheirIndexAndStackInTheOrderGiven) {
    press(205, 5);
    release(205, 5);
    press(290, 90);
    release(290, 90);
    EXPECT_EQ(form.log, "pair(1).click;pair(0).click;");
    EXPECT_THROW(form.c().pair[2], platform::RuntimeError);
}

// Assistive technology's press is the pointer's press and release, where
// nothing covers the control; a control covered all over takes none, and
// neither does anything while the pointer holds a button down.
TEST_F(FormTest, pressIsThePointersClickWhereTheControlIsFrontmost) {
    press(10, 10);
    form.press(form.c().backImage);
    release(10, 10);
    EXPECT_EQ(form.log, "front.down1;front.up1;front.click;");
    for (const auto& [frontWidth, log] :
         {std::pair{1650.0F, "image.down1;image.up1;image.click;"}, std::pair{3000.0F, ""}}) {
        form.log.clear();
        form.c().frontLabel.Width = frontWidth;  // over the image's centre, or all of it
        form.c().frontLabel.Height = frontWidth;
        form.press(form.c().backImage);
        EXPECT_EQ(form.log, log);
    }
}

TEST_F(FormTest, keyCodeComesBackAsTheHandlerLeftIt) {
    EXPECT_EQ(form.keyPress('x'), 0);
    EXPECT_EQ(form.keyPress('y'), 'y');
    EXPECT_EQ(form.log, "key120;key121;");
}

TEST_F(FormTest, timerTicksOncePerIntervalWhileEnabledAndDiesWithTheControls) {
    rt.clock.advance(149);
    EXPECT_EQ(form.log, "tick;tick;");
    form.c().tmr.Enabled = false;
    rt.clock.advance(500);
    EXPECT_EQ(form.log, "tick;tick;");
    form.c().tmr.Enabled = true;
    rt.clock.advance(50);
    EXPECT_EQ(form.log, "tick;tick;tick;");
    form.Unload();
    EXPECT_EQ(rt.clock.running(), 0U);
}

// Handlers never run inside one another: ticks that fall due while one runs
// (as under a modal box) come after it, one per timer, and not at all once
// the handler has stopped the timer.
TEST_F(FormTest, ticksDueDuringAHandlerComeAfterItOncePerTimer) {
    rt.runtime.dispatch([this] {
        rt.clock.advance(500);
        form.log += "end;";
    });
    EXPECT_EQ(form.log, "end;tick;");
    rt.runtime.dispatch([this] {
        rt.clock.advance(500);
        form.c().tmr.Enabled = false;
    });
    EXPECT_EQ(form.log, "end;tick;");
}

TEST_F(FormTest, unloadKeepsTheFormsVariablesAndTheNextShowLoadsTheLayoutAgain) {
    form.c().frontLabel.Caption = "changed";
    rt.runtime.dispatch([this] {
        form.Unload();
        EXPECT_THROW(form.c(), platform::RuntimeError);
        form.Show();
    });
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form.c().frontLabel.Caption.get(), "front");
    EXPECT_EQ(rt.process.allUnloadedCalls, 0);  // shown again before the handler ended
}

// A handler may unload its own form: its control, and the handler itself,
// live on until it returns, and the timers stop at once.
TEST_F(FormTest, aControlsHandlerThatUnloadsItsFormRunsToItsEnd) {
    std::string captionAfterUnload;
    platform::Label& label = form.c().frontLabel;
    label.onClick = [&] {
        form.Unload();
        captionAfterUnload = label.Caption.get();
        label.Caption = "still here";
    };
    press(10, 10);
    release(10, 10);
    EXPECT_EQ(captionAfterUnload, "front");
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(rt.clock.running(), 0U);
    EXPECT_THROW(form.c(), platform::RuntimeError);
}

TEST_F(FormTest, theProgramEndsWhenTheLastFormIsClosed) {
    form.closeRequested();
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(rt.process.allUnloadedCalls, 1);
}

TEST_F(FormTest, endStopsAtOnceAndNoFurtherEventIsHandled) {
    rt.runtime.dispatch([this] { rt.runtime.End(); });
    EXPECT_TRUE(rt.process.ended);
    press(10, 10);
    release(10, 10);
    rt.clock.advance(1000);
    EXPECT_EQ(form.log, "");
}

TEST_F(FormTest, anErrorEscapingAHandlerShowsTheStandardMessageAndStops) {
    form.onTick = [] { throw platform::RuntimeError(platform::RuntimeError::Code::Overflow); };
    rt.clock.advance(50);
    ASSERT_EQ(rt.process.failures.size(), 1U);
    EXPECT_EQ(rt.process.failures[0],
              "Zumbilo|Error '6' en tiempo de ejecución:\n\nDesbordamiento");
    rt.clock.advance(500);
    EXPECT_EQ(form.log, "tick;");
}

// The window system tells the frame (here two pixels all round) once the
// window is shown: the window then moves so that its whole frame is centred,
// keeping a move made in the meantime. Left and Top are the frame's corner.
TEST_F(FormTest, aFreshLoadIsCentredByItsFrameOnceTheFrameIsKnown) {
    form.Top = form.Top - 60;
    QCoreApplication::processEvents();
    const platform::PixelRect area = platform::FormWindow::screenArea();
    const QRect frame = form.window()->frameGeometry();
    ASSERT_GT(frame.height(), 200);
    const QPoint centred(area.x + (area.width - frame.width()) / 2,
                         area.y + (area.height - frame.height()) / 2);
    EXPECT_EQ(frame.topLeft(), centred - QPoint(0, 4));
    EXPECT_EQ(form.Left.get(), platform::toTwips(centred.x()));
    EXPECT_EQ(form.Top.get(), platform::toTwips(centred.y() - 4));
    EXPECT_EQ(form.Height(), platform::toTwips(frame.height()));
}

TEST_F(FormTest, aFixedSingleWindowHasATitleBarAndCannotBeResized) {
    const QWidget& window = *form.window();
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Test"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(FormTest, writingTopMovesTheWindowAndAMovedWindowIsWhereTopReadsFrom) {
    QCoreApplication::processEvents();  // the frame is told once the window is shown
    form.Top = form.Top - 60;
    EXPECT_EQ(form.window()->pos().y(), platform::toPixels(form.Top));
    form.window()->move(40, 30);
    EXPECT_EQ(form.Top.get(), 450.0F);
    EXPECT_EQ(form.Left.get(), 600.0F);
}

}  // namespace

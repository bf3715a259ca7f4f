#include <qpa/qplatformbackingstore.h>
#include <QBackingStore>
#include <QImage>
#include <QPaintEvent>

#include "qt_program.h"
#include "window_pixels.h"

namespace {

using testing_support::Drawing;

Drawing drawingOf(const QImage& image) {
    return {image.width(), image.height(), [&image](int x, int y) {
                const QColor colour = image.pixelColor(x, y);
                return platform::RGB(colour.red(), colour.green(), colour.blue());
            }};
}

}  // namespace

// The program drawn offscreen by Qt, its input delivered to the forms; named
// outside the anonymous namespace, for the shared tests' names.
struct QtProgram : QtProgramRun {
    // As the window paints itself.
    static Drawing drawn(const platform::Form& form) {
        return drawingOf(windowOf(form)->grab().toImage());
    }
    Drawing drawnAtScaleTwo(const platform::Form& form) { return drawingOf(rendered(form, 2.0)); }
};

namespace window_pixels {
INSTANTIATE_TYPED_TEST_SUITE_P(MainWindowPixels, MainWindowPixels, QtProgram);
INSTANTIATE_TYPED_TEST_SUITE_P(StartupPixels, StartupPixels, QtProgram);
}  // namespace window_pixels

namespace {

struct PaintRecorder final : QObject {
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion painted;
};

using PixelsTest = QtMainWindowTest;

// The window paints what the painter draws at the screen's device pixel ratio,
// pixel for pixel, also where only a part was drawn again (run at a ratio of 2
// too, with QT_SCALE_FACTOR=2).
TEST_F(PixelsTest, theWindowPaintsAtItsDevicePixelRatio) {
    QWidget& window = *windowOf(principal());
    // What the window system shows: its backing store, in device pixels.
    const auto shown = [&window] {
        QCoreApplication::processEvents();
        return window.backingStore()->handle()->toImage().convertToFormat(QImage::Format_RGB32);
    };
    click(c().lblPlay[0]);
    const QImage whole = shown();
    EXPECT_EQ(whole, rendered(principal(), window.devicePixelRatioF()));
    moveTo(c().imgOpt[1]);
    EXPECT_EQ(shown(), rendered(principal(), window.devicePixelRatioF()));
}

// A hands tick repaints the computer's hand alone; an unchanged value, nothing.
TEST_F(PixelsTest, onlyWhatChangesIsRepainted) {
    rt.clock.advance(200);  // let the slide finish
    PaintRecorder recorder;
    windowOf(principal())->installEventFilter(&recorder);
    key('8');
    QCoreApplication::processEvents();
    recorder.painted = QRegion();
    ticks(1);
    QCoreApplication::processEvents();
    const platform::PixelRect hand = c().Image2.pixelRect();
    EXPECT_FALSE(recorder.painted.isEmpty());
    EXPECT_TRUE(QRegion(hand.x - 1, hand.y - 1, hand.width + 2, hand.height + 2)
                    .contains(recorder.painted.boundingRect()));

    recorder.painted = QRegion();
    c().lblGame.Caption = "";
    c().lblPlay[1].BackColor = platform::RGB(240, 28, 36);
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.painted.isEmpty());
}

}  // namespace

#include <qpa/qplatformbackingstore.h>
#include <QBackingStore>
#include <QImage>

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
    EXPECT_EQ(shown(), rendered(principal(), window.devicePixelRatioF()));
    moveTo(c().imgOpt[1]);
    EXPECT_EQ(shown(), rendered(principal(), window.devicePixelRatioF()));
}

}  // namespace

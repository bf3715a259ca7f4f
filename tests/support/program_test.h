#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <ostream>
#include <vector>

#include "pixel_tables.h"
#include "platform/qt/form_window.h"
#include "pointer.h"
#include "program_windows.h"
#include "test_runtime.h"

// Pixel colours in failure messages as their red, green and blue.
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << "RGB(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

struct Pixel {
    int x = 0;
    int y = 0;
    QColor colour;
};

inline void expectPixels(const QImage& image, const std::vector<Pixel>& pixels) {
    for (const Pixel& p : pixels) {
        EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

inline void expectPixels(const QImage& image, const std::vector<pixel_tables::Pixel>& pixels) {
    for (const pixel_tables::Pixel& p : pixels) {
        const platform::Color c = p.colour;
        EXPECT_EQ(image.pixelColor(p.x, p.y),
                  QColor(platform::redOf(c), platform::greenOf(c), platform::blueOf(c)))
            << p.x << "," << p.y;
    }
}

// The colours drawn within a control's rectangle.
inline std::vector<QColor> coloursIn(const QImage& image, const platform::Control& control) {
    const platform::PixelRect r = control.pixelRect();
    std::vector<QColor> colours;
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            colours.push_back(image.pixelColor(x, y));
        }
    }
    return colours;
}

using platform::windowOf;
using testing_support::centreOf;
using testing_support::click;
using testing_support::clickAt;
using testing_support::moveTo;

// Both windows wired as the program wires them, on the virtual clock with a
// scripted random source, from the start-up window on.
struct ProgramRun {
    ProgramRun() {
        rt.runtime.dispatch([this] { windows.showStartupWindow(); });
    }
    bool ended() const {
        return rt.process.ended || rt.process.allUnloadedCalls > 0 || !rt.process.failures.empty();
    }

    testing_support::TestRuntime rt;
    zumbilo::ProgramWindows windows{rt.runtime};
};

// The program, with input as the window system delivers it.
class ProgramTest : public ::testing::Test, protected ProgramRun {
  protected:
    static constexpr std::int64_t kHandOffMs = 1730;

    startup::frmInicio& inicio() { return *windows.inicio; }
    startup::StartupWindowControls& s() { return inicio().c(); }
    game::frmPrincipal& principal() { return *windows.principal; }
    mainwindow::MainWindowControls& c() { return principal().c(); }
    bool mainShown() const { return windows.principal && windows.principal->loaded(); }

    // The hand-off; the window system then tells the main window its frame.
    void handOff() {
        rt.clock.advance(kHandOffMs);
        QCoreApplication::processEvents();
    }
    // Ticks of the start-up sequence's timers, and of the hands timer.
    void sequenceTicks(int n) { rt.clock.advance(30LL * n); }
    void ticks(int n) { rt.clock.advance(100LL * n); }
    void key(int code) { lastKeyResult = principal().keyPress(code); }

    // Unloaded and loaded again in one handler, as a restart does: the
    // controls as laid out, the form's variables kept.
    void reload(platform::Form& form) {
        rt.runtime.dispatch([&form] {
            form.Unload();
            form.Show();
        });
    }
    // On the rim of the computer's panel, which its hand leaves uncovered.
    void restart() {
        const platform::PixelRect panel = c().lblReset[1].pixelRect();
        clickAt(principal(), panel.x + 2, panel.y + panel.height / 2);
    }

    int lastKeyResult = -1;
};

// The main window just handed over, its slide about to start.
class MainWindowTest : public ProgramTest {
  protected:
    void SetUp() override { handOff(); }
};

#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/qt/form_window.h"
#include "platform/qt/qt_window_system.h"
#include "pointer.h"
#include "program_on.h"

using platform::windowOf;
using testing_support::centreOf;
using testing_support::click;
using testing_support::clickAt;
using testing_support::moveTo;

// The program on Qt's windows, with input as Qt delivers it.
struct ProgramRun : testing_support::ProgramOn<platform::QtWindowSystem> {
    bool mainShown() const { return windows.principal && windows.principal->loaded(); }

    // The hand-off; the window system then tells the main window its frame.
    void handOff() {
        ProgramOn::handOff();
        QCoreApplication::processEvents();
    }
    // What the key handler leaves of the key: 0 where it swallows it.
    int key(int code) { return principal().keyPress(code); }
    // As Qt's windows hand the pointer to the forms, for the tests that every
    // window system passes alike.
    static void mouseMove(platform::Form& form, int x, int y, int buttons, int keys) {
        form.mouseMove(x, y, buttons, keys);
    }
    static void mouseDown(platform::Form& form, int x, int y, int button, int keys) {
        form.mouseDown(x, y, button, keys);
    }
    static void mouseUp(platform::Form& form, int x, int y, int button, int keys) {
        form.mouseUp(x, y, button, keys);
    }
    static void click(const platform::Control& control) { testing_support::click(control); }

    // Unloaded and loaded in one handler, as a restart does.
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
};

class ProgramTest : public ::testing::Test, protected ProgramRun {};

// The main window just handed over, its slide about to start.
class MainWindowTest : public ProgramTest {
  protected:
    void SetUp() override { handOff(); }
};

#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "platform/qt/form_window.h"
#include "platform/qt/painter.h"
#include "platform/qt/window_system.h"
#include "platform/runtime/drawing.h"
#include "pointer.h"
#include "program_on.h"

using platform::windowOf;
using testing_support::centreOf;
using testing_support::click;
using testing_support::clickAt;
using testing_support::moveTo;

// The program on Qt's windows, offscreen, with input as Qt delivers it to the
// forms; for the tests that every window system passes alike too.
struct QtProgramRun : testing_support::ProgramOn<platform::QtWindowSystem> {
    // The hand-off; the window system then tells the main window its frame.
    void handOff() {
        ProgramOn::handOff();
        QCoreApplication::processEvents();
    }

    // A loaded form's client area drawn at the scale by Qt's painter.
    QImage rendered(const platform::Form& form, double factor) {
        const platform::Scale scale = platform::Scale::fromFactor(factor);
        const platform::PixelRect area =
            scale.toScreen({0, 0, platform::toPixels(form.design().ClientWidth),
                            platform::toPixels(form.design().ClientHeight)});
        QImage image(area.width, area.height, QImage::Format_RGB32);
        QPainter painter(&image);
        platform::paint(painter, platform::drawForm(form, scale, area), rt.windows.pictures());
        return image;
    }
};

class QtProgramTest : public ::testing::Test, protected QtProgramRun {};

// The main window just handed over, its slide about to start.
class QtMainWindowTest : public QtProgramTest {
  protected:
    void SetUp() override { handOff(); }
};

#pragma once

#include "platform/runtime/control_array.h"
#include "platform/runtime/form.h"
#include "platform/runtime/image.h"
#include "platform/runtime/label.h"
#include "platform/runtime/shape.h"
#include "platform/runtime/timer.h"

namespace mainwindow {

// The main window as designed: caption, size, colour, border and icon.
platform::FormDesign mainWindowDesign();

// The main window's controls, frontmost first: the order of the members is
// the stacking order.
struct MainWindowControls {
    explicit MainWindowControls(platform::Form& form);

    platform::Timer tmrTop;
    platform::Timer tmrHands;
    platform::Image Image1;
    platform::Label cmdAbout;
    platform::Shape Shape2;
    platform::Shape Shape1;
    platform::Image Image2;
    platform::Shape shpOpt3;
    platform::Shape shpOpt2;
    platform::Shape shpOpt1;
    platform::ControlArray<platform::Image> imgOpt;
    platform::ControlArray<platform::Label> lblReset;
    platform::ControlArray<platform::Label> lblPlay;
    platform::Shape Shape3;
    platform::Image imgVs3;
    platform::Image imgVs2;
    platform::Image imgVs1;
    platform::Label lblLose;
    platform::Label lblWin;
    platform::Label lblGame;
    platform::Label lblVS;
};

}  // namespace mainwindow

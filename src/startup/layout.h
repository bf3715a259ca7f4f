#pragma once

#include "platform/runtime/form.h"
#include "platform/runtime/image.h"
#include "platform/runtime/label.h"
#include "platform/runtime/shape.h"
#include "platform/runtime/timer.h"

namespace startup {

// The start-up window as designed: borderless, white, the size of its title
// sequence.
platform::FormDesign startupWindowDesign();

// The start-up window's controls, frontmost first: the order of the members
// is the stacking order.
struct StartupWindowControls {
    explicit StartupWindowControls(platform::Form& form);

    platform::Timer Timer3;
    platform::Timer Timer2;
    platform::Timer Timer1;
    platform::Label lblEsc;
    platform::Image Image1;
    platform::Shape Shape3;
    platform::Shape Shape4;
    platform::Label lblWord;
    platform::Shape Shape2;
    platform::Shape Shape1;
};

}  // namespace startup

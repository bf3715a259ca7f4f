#pragma once

#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/shape.h"
#include "platform/timer.h"

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

#pragma once

#include <cstdint>

#include "platform/runtime/form.h"
#include "platform/runtime/timer.h"

namespace mainwindow {

// After each load the main window moves six steps up and one back down, to
// rest 240 twips above where it was centred. The step count belongs to the
// window object, so a slide cut short by an unload resumes at the next load.
class WindowSlide {
  public:
    void tmrTop_Timer(platform::Form& window, platform::Timer& tmrTop);

    std::int16_t SlideStep = 0;
};

}  // namespace mainwindow

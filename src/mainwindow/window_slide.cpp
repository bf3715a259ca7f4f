#include "mainwindow/window_slide.h"

#include "platform/runtime/runtime_error.h"

namespace mainwindow {

namespace {
constexpr int kStepsUp = 6;
constexpr platform::Twips kStepUp = 60;
constexpr platform::Twips kStepDown = 120;
}  // namespace

void WindowSlide::tmrTop_Timer(platform::Form& window, platform::Timer& tmrTop) {
    if (SlideStep < kStepsUp) {
        window.Top = window.Top - kStepUp;
        SlideStep = platform::add16(SlideStep, 1);
    } else {
        window.Top = window.Top + kStepDown;
        SlideStep = 0;
        tmrTop.Enabled = false;
    }
}

}  // namespace mainwindow

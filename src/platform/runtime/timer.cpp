#include "platform/runtime/timer.h"

#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"

namespace platform {

Timer::Timer(Form& form, const TimerDesign& design)
    : Enabled(*this, design.Enabled), Interval(*this, design.Interval), form_(&form) {
    form.add(*this);
    propertyChanged();
}

Timer::~Timer() {
    disarm();
}

void Timer::retire() {
    retired_ = true;
    disarm();
}

void Timer::propertyChanged() {
    const bool wanted = !retired_ && Enabled && Interval > 0;
    if (armed_ && (!wanted || armedInterval_ != Interval)) {
        disarm();
    }
    if (wanted && !armed_) {
        armedInterval_ = Interval;
        armed_ = form_->runtime().clock().start(Interval, [this] { tick(); });
    }
}

void Timer::disarm() {
    if (armed_) {
        form_->runtime().clock().stop(*armed_);
        armed_.reset();
    }
}

void Timer::tick() {
    // A tick that falls due while another handler runs (under a modal box)
    // waits for it; the ticks missed meanwhile are not made up for.
    if (waiting_) {
        return;
    }
    waiting_ = true;
    form_->runtime().dispatch([this, arming = armed_] {
        waiting_ = false;
        // Stopped, restarted or unloaded meanwhile: the tick no longer falls due.
        if (armed_ == arming && onTimer) {
            onTimer();
        }
    });
}

}  // namespace platform

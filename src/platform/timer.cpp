#include "platform/timer.h"

#include "platform/form.h"
#include "platform/runtime.h"

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
    // A tick that comes due while this timer's handler runs (under a modal
    // box) is dropped rather than nested.
    if (ticking_) {
        return;
    }
    form_->runtime().dispatch([this] {
        ticking_ = true;
        if (onTimer) {
            onTimer();
        }
        ticking_ = false;
    });
}

}  // namespace platform

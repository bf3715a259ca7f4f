#include "platform/timer.h"

#include "platform/form.h"
#include "platform/runtime.h"

namespace platform {

Timer::Timer(Form& form, const TimerDesign& design)
    : Enabled(*this, design.Enabled), Interval(*this, design.Interval), form_(&form) {
    propertyChanged();
}

Timer::~Timer() {
    *alive_ = false;
    disarm();
}

void Timer::propertyChanged() {
    const bool wanted = Enabled && Interval > 0;
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
    const std::shared_ptr<bool> alive = alive_;
    form_->runtime().dispatch([this, &alive] {
        ticking_ = true;
        if (onTimer) {
            onTimer();
        }
        if (*alive) {
            ticking_ = false;
        }
    });
}

}  // namespace platform

#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/runtime/clock.h"
#include "platform/runtime/property.h"

namespace platform {

class Form;

struct TimerDesign {
    bool Enabled = false;
    int Interval = 0;  // milliseconds
};

// Ticks once per interval while enabled; dies with its form's controls.
class Timer final : public PropertyOwner {
  public:
    Timer(Form& form, const TimerDesign& design);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    Timer(Timer&&) = delete;
    Timer& operator=(Timer&&) = delete;
    ~Timer() override;

    Property<bool> Enabled;
    Property<int> Interval;

    std::function<void()> onTimer;

    void propertyChanged() override;

    // Its form was unloaded: it never ticks again.
    void retire();

  private:
    void tick();
    void disarm();

    Form* form_;
    std::optional<Clock::TimerId> armed_;
    int armedInterval_ = 0;
    bool waiting_ = false;
    bool retired_ = false;
};

}  // namespace platform

#pragma once

#include <functional>

namespace platform {

// Where timers get their ticks: the real clock in the program, a virtual one
// in tests.
class Clock {
  public:
    using TimerId = int;

    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    Clock(Clock&&) = delete;
    Clock& operator=(Clock&&) = delete;
    virtual ~Clock() = default;

    // Calls onTick once per interval until stopped. Stopping from inside
    // onTick, or stopping an id twice, is allowed.
    virtual TimerId start(int intervalMs, std::function<void()> onTick) = 0;
    virtual void stop(TimerId id) = 0;
};

}  // namespace platform

#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/clock.h"

namespace testing_support {

// A clock that only moves when a test advances it; due ticks fire in time
// order, ties in the order the timers were started.
class VirtualClock final : public platform::Clock {
  public:
    TimerId start(int intervalMs, std::function<void()> onTick) override;
    void stop(TimerId id) override;

    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    std::size_t running() const { return timers_.size(); }

    // Called after every single tick, so that a test can look at the state
    // between two ticks of one advance.
    std::function<void()> afterEachTick;

  private:
    struct Entry {
        int interval;
        std::int64_t due;
        std::shared_ptr<const std::function<void()>> onTick;
    };

    std::map<TimerId, Entry> timers_;
    TimerId next_ = 1;
    std::int64_t now_ = 0;
};

}  // namespace testing_support

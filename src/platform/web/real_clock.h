#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/runtime/clock.h"

namespace platform::web {

// Ticks from the browser's timers, each kept to its own schedule by the page,
// so that a 30 ms rhythm holds over many ticks.
class RealClock final : public Clock {
  public:
    RealClock();
    RealClock(const RealClock&) = delete;
    RealClock& operator=(const RealClock&) = delete;
    RealClock(RealClock&&) = delete;
    RealClock& operator=(RealClock&&) = delete;
    ~RealClock() override;

    TimerId start(int intervalMs, std::function<void()> onTick) override;
    void stop(TimerId id) override;

    // The page's timer of that id fell due.
    void tick(TimerId id) const;

  private:
    std::map<TimerId, std::shared_ptr<const std::function<void()>>> timers_;
    TimerId next_ = 1;
};

}  // namespace platform::web

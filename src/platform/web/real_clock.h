#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/runtime/clock.h"
#include "platform/runtime/tick_schedule.h"

namespace platform::web {

// Ticks from the browser's timers, each timer on its own schedule.
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
    void tick(TimerId id);

  private:
    struct Entry {
        TickSchedule schedule;
        std::shared_ptr<const std::function<void()>> onTick;
    };

    std::map<TimerId, Entry> timers_;
    TimerId next_ = 1;
};

}  // namespace platform::web

#pragma once

#include <map>
#include <memory>

#include "platform/runtime/clock.h"

class QTimer;

namespace platform {

// Ticks from Qt's precise timers, which keep a 30 ms rhythm over many ticks.
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

  private:
    struct LaterDeleter {
        void operator()(QTimer* timer) const;
    };

    std::map<TimerId, std::unique_ptr<QTimer, LaterDeleter>> timers_;
    TimerId next_ = 1;
};

}  // namespace platform

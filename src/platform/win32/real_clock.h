#pragma once

#include <map>
#include <memory>

#include "platform/runtime/clock.h"
#include "platform/runtime/tick_schedule.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// Ticks from the thread's message loop (so they also come while the player
// drags a window), each timer on its own schedule. Asks the system for 1 ms
// timer resolution while it lives.
class RealClock final : public Clock {
  public:
    // Throws std::runtime_error, saying why, when it cannot make its window.
    RealClock();
    RealClock(const RealClock&) = delete;
    RealClock& operator=(const RealClock&) = delete;
    RealClock(RealClock&&) = delete;
    RealClock& operator=(RealClock&&) = delete;
    ~RealClock() override;

    TimerId start(int intervalMs, std::function<void()> onTick) override;
    void stop(TimerId id) override;

  private:
    struct Entry {
        TickSchedule schedule;
        std::shared_ptr<const std::function<void()>> onTick;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onTimer(TimerId id);
    void arm(TimerId id, double due, double now) const;

    OwnedWindow window_;
    std::map<TimerId, Entry> timers_;
    TimerId next_ = 1;
};

}  // namespace platform::win32

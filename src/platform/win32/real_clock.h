#pragma once

#include <chrono>
#include <map>
#include <memory>

#include "platform/runtime/clock.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// Ticks from the thread's message loop (so they also come while the player
// drags a window), each timer kept to its own schedule: a late tick does not
// push the ones after it, so a 30 ms rhythm holds over many ticks. Asks the
// system for 1 ms timer resolution while it lives.
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
    using Time = std::chrono::steady_clock::time_point;
    struct Entry {
        std::chrono::milliseconds interval;
        Time due;
        std::shared_ptr<const std::function<void()>> onTick;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onTimer(TimerId id);
    void arm(TimerId id, Time due, Time now) const;

    OwnedWindow window_;
    std::map<TimerId, Entry> timers_;
    TimerId next_ = 1;
};

}  // namespace platform::win32

#include "virtual_clock.h"

#include <algorithm>

namespace testing_support {

platform::Clock::TimerId VirtualClock::start(int intervalMs, std::function<void()> onTick) {
    const TimerId id = next_++;
    timers_.emplace(id, Entry{intervalMs, now_ + intervalMs,
                              std::make_shared<const std::function<void()>>(std::move(onTick))});
    return id;
}

void VirtualClock::stop(TimerId id) {
    timers_.erase(id);
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    for (;;) {
        const auto next =
            std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
                return a.second.due < b.second.due ||
                       (a.second.due == b.second.due && a.first < b.first);
            });
        if (next == timers_.end() || next->second.due > until) {
            break;
        }
        now_ = next->second.due;
        next->second.due += next->second.interval;
        // The tick may stop or start timers, this one included.
        const auto onTick = next->second.onTick;
        (*onTick)();
        if (afterEachTick) {
            afterEachTick();
        }
    }
    now_ = until;
}

}  // namespace testing_support

#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "platform/runtime/clock.h"

namespace testing_support {

// Moves only when advanced; due ticks fire in time order, ties in start order.
class VirtualClock final : public platform::Clock {
  public:
    TimerId start(int intervalMs, std::function<void()> onTick) override {
        timers_.emplace(next_,
                        Entry{intervalMs, now_ + intervalMs,
                              std::make_shared<const std::function<void()>>(std::move(onTick))});
        return next_++;
    }
    void stop(TimerId id) override { timers_.erase(id); }
    std::size_t running() const { return timers_.size(); }

    void advance(std::int64_t ms) {
        const std::int64_t until = now_ + ms;
        for (;;) {
            const auto next =
                std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
                    return std::pair(a.second.due, a.first) < std::pair(b.second.due, b.first);
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

    // After every tick, to look between two ticks of one advance.
    std::function<void()> afterEachTick;

  private:
    struct Entry {
        int interval = 0;
        std::int64_t due = 0;
        std::shared_ptr<const std::function<void()>> onTick;
    };

    std::map<TimerId, Entry> timers_;
    TimerId next_ = 1;
    std::int64_t now_ = 0;
};

}  // namespace testing_support

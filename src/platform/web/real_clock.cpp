#include "platform/web/real_clock.h"

#include <emscripten/emscripten.h>

#include "platform/web/page.h"

namespace platform::web {

namespace {

// The one clock the page's ticks reach.
RealClock* theClock = nullptr;

}  // namespace

RealClock::RealClock() {
    theClock = this;
}

RealClock::~RealClock() {
    theClock = nullptr;
}

Clock::TimerId RealClock::start(int intervalMs, std::function<void()> onTick) {
    const TimerId id = next_++;
    timers_.emplace(id, Entry{TickSchedule(intervalMs, emscripten_get_now()),
                              std::make_shared<const std::function<void()>>(std::move(onTick))});
    zumbilo_timer_arm(id, intervalMs);
    return id;
}

void RealClock::stop(TimerId id) {
    if (timers_.erase(id) > 0) {
        zumbilo_timer_stop(id);
    }
}

void RealClock::tick(TimerId id) {
    const auto found = timers_.find(id);
    if (found != timers_.end()) {
        const double now = emscripten_get_now();
        zumbilo_timer_arm(id, found->second.schedule.next(now) - now);
        // The tick may stop its own timer.
        const auto onTick = found->second.onTick;
        (*onTick)();
    }
}

}  // namespace platform::web

extern "C" EMSCRIPTEN_KEEPALIVE void zumbilo_tick(int timer) {
    if (platform::web::theClock != nullptr) {
        platform::web::theClock->tick(timer);
    }
}

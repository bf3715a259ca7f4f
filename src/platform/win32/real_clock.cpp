#include "platform/win32/real_clock.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

constexpr const wchar_t* kClassName = L"ZumbiloClock";

double nowMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

RealClock::RealClock() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("No se puede registrar el reloj: " + lastErrorText());
    }
    // A message-only window: it takes the ticks and is never seen.
    window_.reset(CreateWindowExW(0, kClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_) {
        throw std::runtime_error("No se puede crear el reloj: " + lastErrorText());
    }
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    timeBeginPeriod(1);
}

RealClock::~RealClock() {
    timeEndPeriod(1);
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

Clock::TimerId RealClock::start(int intervalMs, std::function<void()> onTick) {
    const TimerId id = next_++;
    const double now = nowMs();
    const Entry& entry =
        timers_
            .emplace(id, Entry{TickSchedule(intervalMs, now),
                               std::make_shared<const std::function<void()>>(std::move(onTick))})
            .first->second;
    arm(id, entry.schedule.due(), now);
    return id;
}

void RealClock::stop(TimerId id) {
    if (timers_.erase(id) > 0) {
        KillTimer(window_.get(), static_cast<UINT_PTR>(id));
    }
}

void RealClock::arm(TimerId id, double due, double now) const {
    const auto wait = static_cast<long long>(std::ceil(due - now));
    SetTimer(window_.get(), static_cast<UINT_PTR>(id),
             static_cast<UINT>(std::max<long long>(wait, USER_TIMER_MINIMUM)), nullptr);
}

void RealClock::onTimer(TimerId id) {
    const auto found = timers_.find(id);
    if (found == timers_.end()) {
        KillTimer(window_.get(), static_cast<UINT_PTR>(id));
        return;
    }
    Entry& entry = found->second;
    const double now = nowMs();
    // The system's timer may come a little early; then it is set again.
    if (now + 1 < entry.schedule.due()) {
        arm(id, entry.schedule.due(), now);
        return;
    }
    arm(id, entry.schedule.next(now), now);
    // The tick may stop its own timer.
    const auto onTick = entry.onTick;
    (*onTick)();
}

LRESULT CALLBACK RealClock::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* clock = reinterpret_cast<RealClock*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_TIMER && clock != nullptr) {
        clock->onTimer(static_cast<TimerId>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace platform::win32

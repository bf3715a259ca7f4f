// The game's rhythm on the real clock under Windows (or Wine): how long after
// the start-up window is loaded the main window takes over (nominally 1730
// ms), and how long after a figure is chosen the verdict shows (600 ms).
// Beside each, the same rhythm from bare repeating thread timers.
//
// Usage: zumbilo_win32_rhythm [RUNS]   (20 when not given)

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <span>

#include "platform/win32/real_clock.h"
#include "platform/win32/window_system.h"
#include "rhythm_game.h"

namespace {

using Clock = std::chrono::steady_clock;
using rhythm::Done;

double msSince(Clock::time_point began) {
    return std::chrono::duration<double, std::milli>(Clock::now() - began).count();
}

double timeUntil(const std::function<void(const Done&)>& start) {
    bool finished = false;
    double ms = 0;
    const Clock::time_point began = Clock::now();
    start([&] {
        ms = msSince(began);
        finished = true;
    });
    MSG message{};
    while (!finished && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return ms;
}

// `ticks` ticks of a bare repeating thread timer, then `pauseMs` more.
double bareTimer(int ticks, int intervalMs, int pauseMs) {
    const Clock::time_point began = Clock::now();
    UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(intervalMs), nullptr);
    int ticked = 0;
    bool pausing = false;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message != WM_TIMER || message.hwnd != nullptr || message.wParam != timer) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            continue;
        }
        if (!pausing && ++ticked < ticks) {
            continue;
        }
        KillTimer(nullptr, timer);
        if (pausing || pauseMs == 0) {
            break;
        }
        pausing = true;
        timer = SetTimer(nullptr, 0, static_cast<UINT>(pauseMs), nullptr);
    }
    return msSince(began);
}

}  // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv, static_cast<std::size_t>(argc));
    const int runs = args.size() > 1 ? std::max(1, std::atoi(args[1])) : 20;
    rhythm::measure<platform::win32::RealClock, platform::win32::Win32WindowSystem>(
        "Win32", runs, timeUntil, bareTimer);
    return 0;
}

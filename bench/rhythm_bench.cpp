// The game's rhythm on the real clock, offscreen: how long after the start-up
// window is loaded the main window takes over (nominally 41 ticks of 30 ms,
// then 500 ms), and how long after a figure is chosen the verdict shows
// (6 ticks of 100 ms). Beside each, the same rhythm from bare Qt timers.
// Runs alternate between the two, so that a busy machine weighs on both.
//
// Usage: zumbilo_bench_rhythm [RUNS]   (20 when not given)

#include <QApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>

#include "platform/qt/desktop_setup.h"
#include "platform/qt/real_clock.h"
#include "platform/qt/window_system.h"
#include "rhythm_game.h"

namespace {

using Clock = std::chrono::steady_clock;
using rhythm::Done;

double timeUntil(const std::function<void(const Done&)>& start) {
    QEventLoop loop;
    Clock::time_point began;
    double ms = 0;
    const Done done = [&] {
        ms = std::chrono::duration<double, std::milli>(Clock::now() - began).count();
        loop.quit();
    };
    began = Clock::now();
    start(done);
    loop.exec();
    return ms;
}

// `ticks` ticks of a precise Qt timer, then `pauseMs` more.
double bareTimer(int ticks, int intervalMs, int pauseMs) {
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervalMs);
    int ticked = 0;
    return timeUntil([&](const Done& done) {
        QObject::connect(&timer, &QTimer::timeout, [&, done] {
            if (++ticked < ticks) {
                return;
            }
            timer.stop();
            if (pauseMs > 0) {
                QTimer::singleShot(pauseMs, Qt::PreciseTimer, done);
            } else {
                done();
            }
        });
        timer.start();
    });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    platform::prepareDesktop();
    const QStringList args = QCoreApplication::arguments();
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 20;
    rhythm::measure<platform::RealClock, platform::QtWindowSystem>("offscreen", runs, timeUntil,
                                                                   bareTimer);
    return 0;
}

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
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "fakes.h"
#include "game/frm_principal.h"
#include "platform/qt/desktop_setup.h"
#include "platform/qt/qt_window_system.h"
#include "platform/qt/real_clock.h"
#include "platform/runtime/runtime.h"
#include "pointer.h"
#include "startup/frm_inicio.h"

namespace {

using Clock = std::chrono::steady_clock;
using Done = std::function<void()>;

constexpr int kBandTicks = 41;
constexpr int kBandTickMs = 30;
constexpr int kPauseMs = 500;
constexpr int kHandTicks = 6;
constexpr int kHandTickMs = 100;
constexpr double kHandOffMs = kBandTicks * kBandTickMs + kPauseMs;
constexpr double kVerdictMs = kHandTicks * kHandTickMs;
constexpr double kTolerance = 0.03;

// Milliseconds from start(done) until done() is called, Qt's event loop
// running in between.
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

// Both windows on the real clock, their hand-off and verdict reported.
class Game {
  public:
    // From the load of the start-up window (after a restart, from the second
    // run on) to its hand-off.
    double handOff() {
        return timeUntil([this](const Done& done) {
            handedOff_ = done;
            runtime_.dispatch([this] {
                if (principal_.loaded()) {
                    principal_.Unload();
                }
                inicio_.Show();
            });
        });
    }

    // From a click on the scissors to the verdict; then opens the next play.
    double verdict() {
        if (!principal_.c().imgOpt[1].Visible) {
            testing_support::click(principal_.c().lblPlay[0]);
        }
        auto& hands = principal_.c().tmrHands;
        const std::function<void()> shake = hands.onTimer;
        const double ms = timeUntil([&](const Done& done) {
            hands.onTimer = [&, done] {
                shake();
                if (!hands.Enabled) {
                    done();
                }
            };
            testing_support::click(principal_.c().imgOpt[1]);
        });
        hands.onTimer = shake;
        testing_support::click(principal_.c().Image1);
        return ms;
    }

  private:
    platform::RealClock clock_;
    testing_support::ScriptedRandom random_;
    testing_support::FakeProcess process_;
    testing_support::FakeAboutBox aboutBox_;
    platform::QtWindowSystem windows_;
    platform::Runtime runtime_{{.clock = clock_,
                                .random = random_,
                                .process = process_,
                                .aboutBox = aboutBox_,
                                .windows = windows_,
                                .app = {.Title = "Zumbilo"}}};
    Done handedOff_;
    game::frmPrincipal principal_{runtime_, [] {}};
    startup::frmInicio inicio_{runtime_, [this] {
                                   handedOff_();
                                   principal_.Show();
                               }};
};

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

// Lets the main window's slide end before any figure is chosen.
void settle() {
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Summary {
    double median;
    double min;
    double max;
};

Summary summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

void report(const char* what, double nominal, const std::vector<double>& game,
            const std::vector<double>& bare) {
    const Summary g = summarise(game);
    const Summary b = summarise(bare);
    const double off = (g.median - nominal) / nominal;
    std::printf("%-22s %7.0f  %8.1f [%7.1f, %7.1f]  %8.1f [%7.1f, %7.1f]  %6.3f  %+6.2f %%  %s\n",
                what, nominal, g.median, g.min, g.max, b.median, b.min, b.max, g.median / b.median,
                off * 100, std::abs(off) <= kTolerance ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    platform::prepareDesktop();
    const QStringList args = QCoreApplication::arguments();
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 20;

    Game game;
    std::vector<double> gameHandOff;
    std::vector<double> bareHandOff;
    for (int i = 0; i < runs; ++i) {
        gameHandOff.push_back(game.handOff());
        bareHandOff.push_back(bareTimer(kBandTicks, kBandTickMs, kPauseMs));
    }
    settle();
    std::vector<double> gameVerdict;
    std::vector<double> bareVerdict;
    for (int i = 0; i < runs; ++i) {
        gameVerdict.push_back(game.verdict());
        bareVerdict.push_back(bareTimer(kHandTicks, kHandTickMs, 0));
    }

    std::printf("Rhythm on the real clock, offscreen, %d runs of each, in ms: median [min, max]\n",
                runs);
    std::printf("%-22s %7s  %-27s  %-27s  %6s  %8s  %s\n", "", "nominal", "Zumbilo", "bare timers",
                "ratio", "off", "within 3 %");
    report("hand-off after load", kHandOffMs, gameHandOff, bareHandOff);
    report("verdict after choice", kVerdictMs, gameVerdict, bareVerdict);
    return 0;
}

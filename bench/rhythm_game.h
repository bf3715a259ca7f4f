#pragma once

// The game's hand-off and verdict timed on a real clock, with whichever
// window system and message loop the program has; and the table that
// reports them beside the same rhythms from bare system timers.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "game/frm_principal.h"
#include "pointer.h"
#include "startup/frm_inicio.h"
#include "test_runtime.h"

namespace rhythm {

using Done = std::function<void()>;
// Milliseconds from start(done) until done() is called, the message loop
// running in between.
using TimeUntil = double (*)(const std::function<void(const Done&)>& start);

constexpr int kBandTicks = 41;
constexpr int kBandTickMs = 30;
constexpr int kPauseMs = 500;
constexpr int kHandTicks = 6;
constexpr int kHandTickMs = 100;
constexpr double kHandOffMs = kBandTicks * kBandTickMs + kPauseMs;
constexpr double kVerdictMs = kHandTicks * kHandTickMs;
constexpr double kTolerance = 0.03;

// Both windows on the real clock, their hand-off and verdict reported.
template <class RealClock, class WindowSystem>
class Game {
  public:
    explicit Game(TimeUntil timeUntil) : timeUntil_(timeUntil) {}

    // From the load of the start-up window (after a restart, from the second
    // run on) to its hand-off.
    double handOff() {
        return timeUntil_([this](const Done& done) {
            handedOff_ = done;
            run_.runtime.dispatch([this] {
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
        const double ms = timeUntil_([&](const Done& done) {
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
    TimeUntil timeUntil_;
    testing_support::RuntimeOn<WindowSystem, RealClock> run_;
    Done handedOff_;
    game::frmPrincipal principal_{run_.runtime, [] {}};
    startup::frmInicio inicio_{run_.runtime, [this] {
                                   handedOff_();
                                   principal_.Show();
                               }};
};

struct Summary {
    double median;
    double min;
    double max;
};

inline Summary summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

inline void reportHeader(const char* where, int runs) {
    std::printf("Rhythm on the real clock, %s, %d runs of each, in ms: median [min, max]\n", where,
                runs);
    std::printf("%-22s %7s  %-27s  %-27s  %6s  %8s  %s\n", "", "nominal", "Zumbilo", "bare timers",
                "ratio", "off", "within 3 %");
}

inline void report(const char* what, double nominal, const std::vector<double>& game,
                   const std::vector<double>& bare) {
    const Summary g = summarise(game);
    const Summary b = summarise(bare);
    const double off = (g.median - nominal) / nominal;
    std::printf("%-22s %7.0f  %8.1f [%7.1f, %7.1f]  %8.1f [%7.1f, %7.1f]  %6.3f  %+6.2f %%  %s\n",
                what, nominal, g.median, g.min, g.max, b.median, b.min, b.max, g.median / b.median,
                off * 100, std::abs(off) <= kTolerance ? "met" : "NOT MET");
}

// Times both rhythms `runs` times each, alternating with the bare timers so
// that a busy machine weighs on both; `settle` lets the main window's slide
// end before any figure is chosen.
template <class RealClock, class WindowSystem>
void measure(const char* where, int runs, TimeUntil timeUntil,
             double (*bareTimer)(int ticks, int intervalMs, int pauseMs)) {
    Game<RealClock, WindowSystem> game(timeUntil);
    std::vector<double> gameHandOff;
    std::vector<double> bareHandOff;
    for (int i = 0; i < runs; ++i) {
        gameHandOff.push_back(game.handOff());
        bareHandOff.push_back(bareTimer(kBandTicks, kBandTickMs, kPauseMs));
    }
    bareTimer(1, 300, 0);  // the slide ends meanwhile
    std::vector<double> gameVerdict;
    std::vector<double> bareVerdict;
    for (int i = 0; i < runs; ++i) {
        gameVerdict.push_back(game.verdict());
        bareVerdict.push_back(bareTimer(kHandTicks, kHandTickMs, 0));
    }
    reportHeader(where, runs);
    report("hand-off after load", kHandOffMs, gameHandOff, bareHandOff);
    report("verdict after choice", kVerdictMs, gameVerdict, bareVerdict);
}

}  // namespace rhythm

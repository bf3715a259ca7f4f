#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "main_window_invariants.h"
#include "platform/form_painter.h"
#include "program_windows.h"
#include "test_runtime.h"

namespace {

// One run of the program, from the start-up window on, on the virtual clock.
struct Run {
    Run() {
        rt.runtime.dispatch([this] { windows.showStartupWindow(); });
    }
    bool over() const {
        return rt.process.ended || rt.process.allUnloadedCalls > 0 || !rt.process.failures.empty();
    }

    testing_support::TestRuntime rt;
    zumbilo::ProgramWindows windows{rt.runtime};
};

// Random presses, releases, moves, keys and waits, on both windows, with the
// invariants checked after every event and every timer tick.
class RandomInput {
  public:
    explicit RandomInput(std::uint64_t seed) : random_(seed) { startRun(); }

    void event() {
        ++events_;
        const int kind = pick(0, 99);
        platform::Form* form = someLoadedForm();
        if (form == nullptr) {
            startRun();
            return;
        }
        ticksWaited_ = false;
        const auto [x, y] = somePoint(*form);
        const int button =
            std::array{platform::kLeftButton, platform::kRightButton, platform::kMiddleButton}.at(
                static_cast<std::size_t>(pick(0, 2)));
        const int shift = pick(0, 7);
        if (kind < 25) {
            form->mouseMove(x, y, pick(0, 7), shift);
        } else if (kind < 40) {
            form->mouseDown(x, y, button, shift);
        } else if (kind < 55) {
            form->mouseUp(x, y, button, shift);
        } else if (kind < 70) {
            form->mouseDown(x, y, button, shift);
            form->mouseUp(x, y, button, shift);
        } else if (kind < 80) {
            form->keyPress(pick(0, 255));
        } else if (kind < 99) {
            run_->rt.clock.advance(pick(0, 2000));
        } else if (pick(0, 20) == 0) {
            form->closeRequested();
        }
        check("event");
        if (events_ % 64 == 0) {
            // What the event loop would do meanwhile: paint, deliver window
            // events, delete the windows of unloaded forms.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (events_ % 5000 == 0) {
            drawLoadedForms();
        }
        if (run_->over()) {
            ASSERT_TRUE(run_->rt.process.failures.empty()) << run_->rt.process.failures.front();
            startRun();
        }
    }

    std::uint64_t events() const { return events_; }
    int restarts() const { return restarts_; }
    int runs() const { return runs_; }
    int verdicts() const { return verdicts_; }
    int aboutBoxes() const { return aboutBoxes_; }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void startRun() {
        if (run_) {
            aboutBoxes_ += static_cast<int>(run_->rt.aboutBox.shown.size());
        }
        run_.reset();
        run_ = std::make_unique<Run>();
        ++runs_;
        mainWasLoaded_ = false;
        run_->rt.clock.afterEachTick = [this] { check("tick"); };
        run_->rt.aboutBox.whileOpen = [this] {
            run_->rt.clock.advance(pick(0, 300));
            ticksWaited_ = true;
        };
    }

    // Anywhere around the window half the time, else on a visible control,
    // so that small targets such as "?" and "x" are hit often enough.
    std::pair<int, int> somePoint(const platform::Form& form) {
        std::vector<platform::PixelRect> targets;
        for (const platform::Control* control : form.controls()) {
            if (control->takesPointer() && control->Visible) {
                targets.push_back(control->pixelRect());
            }
        }
        if (targets.empty() || pick(0, 1) == 0) {
            return {pick(-20, 540), pick(-20, 320)};
        }
        const platform::PixelRect r =
            targets.at(static_cast<std::size_t>(pick(0, static_cast<int>(targets.size()) - 1)));
        return {pick(r.x, r.x + r.width - 1), pick(r.y, r.y + r.height - 1)};
    }

    platform::Form* someLoadedForm() {
        auto& windows = run_->windows;
        const bool main = windows.principal && windows.principal->loaded();
        const bool start = windows.inicio && windows.inicio->loaded();
        if (main && start) {
            return pick(0, 1) == 0 ? static_cast<platform::Form*>(&*windows.principal)
                                   : &*windows.inicio;
        }
        if (main) {
            return &*windows.principal;
        }
        return start ? &*windows.inicio : nullptr;
    }

    void check(const char* after) {
        auto& windows = run_->windows;
        if (!windows.principal || !windows.principal->loaded()) {
            if (mainWasLoaded_) {
                ++restarts_;
            }
            mainWasLoaded_ = false;
            return;
        }
        game::frmPrincipal& form = *windows.principal;
        const auto& c = form.c();
        const std::string broken = robustness::checkMainWindow(c, form.TickCount);
        ASSERT_EQ(broken, "") << "after a " << after;
        const std::string wins = c.lblWin.Caption;
        const std::string losses = c.lblLose.Caption;
        if (!mainWasLoaded_) {
            // A fresh load: the score starts again from its layout.
            ASSERT_EQ(wins, "0");
            ASSERT_EQ(losses, "0");
        } else if (wins != wins_ || losses != losses_) {
            // Only the sixth tick of the hands advances a counter, by one;
            // ticks due while the About box was open run when it closes.
            ASSERT_TRUE(std::string(after) == "tick" || ticksWaited_) << after;
            ASSERT_FALSE(c.tmrHands.Enabled);
            ASSERT_EQ(form.TickCount, 0);
            ASSERT_FALSE(form.Playing);
            const bool win = wins != wins_;
            ASSERT_NE(win, losses != losses_) << "both counters moved";
            const std::string& before = win ? wins_ : losses_;
            const std::string& now = win ? wins : losses;
            ASSERT_EQ(std::stoll(now), std::stoll(before) + 1);
            ASSERT_EQ(c.lblGame.Caption.get(), win ? "GANASTE" : "PERDISTE");
            ++verdicts_;
        }
        mainWasLoaded_ = true;
        wins_ = wins;
        losses_ = losses;
    }

    void drawLoadedForms() {
        auto& windows = run_->windows;
        if (windows.principal && windows.principal->loaded()) {
            platform::renderForm(*windows.principal);
        }
        if (windows.inicio && windows.inicio->loaded()) {
            platform::renderForm(*windows.inicio);
        }
    }

    std::mt19937_64 random_;
    std::unique_ptr<Run> run_;
    std::uint64_t events_ = 0;
    int runs_ = 0;
    int restarts_ = 0;
    int verdicts_ = 0;
    int aboutBoxes_ = 0;
    bool mainWasLoaded_ = false;
    bool ticksWaited_ = false;
    std::string wins_;
    std::string losses_;
};

std::uint64_t seedFromEnvironment() {
    const char* seed = std::getenv("ZUMBILO_RANDOM_INPUT_SEED");  // NOLINT(concurrency-mt-unsafe)
    return seed != nullptr ? std::strtoull(seed, nullptr, 10) : std::random_device{}();
}

std::uint64_t eventsFromEnvironment() {
    const char* events =
        std::getenv("ZUMBILO_RANDOM_INPUT_EVENTS");  // NOLINT(concurrency-mt-unsafe)
    return events != nullptr ? std::strtoull(events, nullptr, 10) : 200000;
}

TEST(RandomInput, anyInputInAnyOrderKeepsBothWindowsConsistent) {
    const std::uint64_t seed = seedFromEnvironment();
    const std::uint64_t count = eventsFromEnvironment();
    // Replay a failure with ZUMBILO_RANDOM_INPUT_SEED=<seed>.
    SCOPED_TRACE("ZUMBILO_RANDOM_INPUT_SEED=" + std::to_string(seed));
    RandomInput input(seed);
    while (input.events() < count && !::testing::Test::HasFatalFailure()) {
        input.event();
    }
    std::cout << "seed " << seed << ": " << input.events() << " events, " << input.runs()
              << " runs, " << input.restarts() << " restarts, " << input.verdicts()
              << " counted verdicts, " << input.aboutBoxes() << " About boxes\n";
    EXPECT_GT(input.verdicts(), 0);
    EXPECT_GT(input.restarts(), 0);
    EXPECT_GT(input.aboutBoxes(), 0);
}

}  // namespace

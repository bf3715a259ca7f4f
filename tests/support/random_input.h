#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "platform/runtime/mouse.h"
#include "pointer.h"
#include "program_on.h"

// Random input on both windows, the state checked after every event and tick;
// each window system's random_input_test.cpp supplies a program that takes the
// pointer, keys with the runtime's masks, a close and a turn of the event loop
// the way its windows take them.
namespace random_input {

// What broke of the states the main window's handlers can reach, or nothing.
inline std::string brokenRule(game::frmPrincipal& form) {
    const auto& c = form.c();
    const std::string& status = c.lblGame.Caption;
    const bool verdict = status == "GANASTE" || status == "PERDISTE" || status == "EMPATASTE";
    const bool shaking = c.tmrHands.Enabled;
    const bool start = c.lblPlay[0].Visible;
    const bool options = c.imgOpt[0].Visible && c.imgOpt[2].Visible && c.shpOpt1.Visible &&
                         c.lblVS.Visible && c.cmdAbout.Visible;
    const std::initializer_list<std::pair<bool, const char*>> rules{
        {options == start, "the start label with the options, or neither"},
        {c.Image1.Visible.get() != c.Image2.Visible.get(), "one hand without the other"},
        {c.imgVs1.Visible || c.imgVs3.Visible, "a picture holder shown"},
        {status.empty() && !(c.Image1.Visible && shaking), "no status while the hands rest"},
        {verdict && shaking, "a verdict while the hands shake"},
        {status == "BIENVENIDO" && (!start || shaking), "a welcome outside the welcome state"},
        {!verdict && !status.empty() && status != "BIENVENIDO" && status != "ELIGE UNA FIGURA",
         "an unknown status"},
        {form.TickCount < 0 || form.TickCount > 5, "TickCount out of 0 to 5 between handlers"},
    };
    for (const auto& [broken, rule] : rules) {
        if (broken) {
            return rule;
        }
    }
    return {};
}

template <class Program>
class RandomInputRun {
  public:
    explicit RandomInputRun(std::uint64_t seed) : random_(seed) { startRun(); }

    void event() {
        ++events;
        auto& windows = run_->windows;
        const bool main = windows.principal && windows.principal->loaded();
        const bool start = windows.inicio && windows.inicio->loaded();
        platform::Form& form = main && !(start && pick(0, 1) == 0)
                                   ? static_cast<platform::Form&>(*windows.principal)
                                   : *windows.inicio;
        ticksWaited_ = false;
        const int kind = pick(0, 99);
        const int x = pick(-20, 540);
        const int y = pick(-20, 320);
        const int button = 1 << pick(0, 2);  // left, right or middle
        const int keys = pick(0, 3) == 0 ? pick(1, 7) : 0;
        if (kind < 25) {
            Program::mouseMove(form, x, y, pick(0, 7), keys);
        } else if (kind < 55) {
            Program::mouseDown(form, x, y, button, keys);
            if (kind < 45) {
                Program::mouseUp(form, pick(-20, 540), pick(-20, 320), button, keys);
            }
        } else if (kind < 65) {
            Program::mouseUp(form, x, y, button, keys);
        } else if (kind < 78) {
            // Mostly the one-byte characters that reach the windows' handlers.
            Program::keyPress(form, pick(0, 3) == 0 ? pick(0, 0xFFFF) : pick(0, 255), keys);
        } else if (kind < 96) {
            run_->rt.clock.advance(pick(0, 2000));
        } else if (kind == 99 && pick(0, 20) == 0) {
            Program::close(form);
            ASSERT_TRUE(run_->ended()) << "the program runs on without its window";
        } else if (main) {
            // The About box, which random clicks seldom find.
            const auto [aboutX, aboutY] = testing_support::centreOf(run_->c().cmdAbout);
            Program::mouseDown(run_->principal(), aboutX, aboutY, platform::kLeftButton, 0);
            Program::mouseUp(run_->principal(), aboutX, aboutY, platform::kLeftButton, 0);
        }
        check("event");
        if (events % 64 == 0) {
            Program::settle(form);
        }
        if (run_->ended()) {
            ASSERT_TRUE(run_->rt.process.failures.empty()) << run_->rt.process.failures.front();
            startRun();
        }
    }

    std::uint64_t events = 0;
    int restarts = 0;
    int verdicts = 0;
    int aboutBoxes = 0;

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void startRun() {
        run_.reset();  // one program's windows at a time
        run_ = std::make_unique<Program>();
        score_.reset();
        run_->rt.clock.afterEachTick = [this] { check("tick"); };
        run_->rt.aboutBox.whileOpen = [this] {
            ++aboutBoxes;
            run_->rt.clock.advance(pick(0, 300));
            ticksWaited_ = true;
        };
    }

    // Only the hands' sixth tick adds one to a counter (those due under the About
    // box run as it closes); a fresh load starts at 0.
    void check(const char* after) {
        auto& principal = run_->windows.principal;
        if (!principal || !principal->loaded()) {
            restarts += score_ ? 1 : 0;
            score_.reset();
            return;
        }
        ASSERT_EQ(brokenRule(*principal), "") << "after a " << after;
        const auto& c = principal->c();
        const std::pair<std::string, std::string> score{c.lblWin.Caption, c.lblLose.Caption};
        if (!score_) {
            ASSERT_TRUE(score.first == "0" && score.second == "0");
        } else if (score != *score_) {
            ASSERT_TRUE(std::string(after) == "tick" || ticksWaited_) << after;
            ASSERT_FALSE(c.tmrHands.Enabled);
            const auto advanced = [](const std::string& count) {
                return std::to_string(std::stoll(count) + 1);
            };
            ASSERT_TRUE(score == std::pair(advanced(score_->first), score_->second) ||
                        score == std::pair(score_->first, advanced(score_->second)));
            ++verdicts;
        }
        score_ = score;
    }

    std::mt19937_64 random_;
    std::unique_ptr<Program> run_;
    std::optional<std::pair<std::string, std::string>> score_;  // wins, losses
    bool ticksWaited_ = false;
};

inline std::uint64_t numberFromEnvironment(const char* name, std::uint64_t otherwise) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe)
    return value != nullptr ? std::strtoull(value, nullptr, 10) : otherwise;
}

template <class Program>
class RandomInput : public ::testing::Test {};
TYPED_TEST_SUITE_P(RandomInput);

TYPED_TEST_P(RandomInput, anyInputInAnyOrderKeepsBothWindowsConsistent) {
    const std::uint64_t seed =
        numberFromEnvironment("ZUMBILO_RANDOM_INPUT_SEED", std::random_device{}());
    SCOPED_TRACE("ZUMBILO_RANDOM_INPUT_SEED=" + std::to_string(seed));
    const std::uint64_t count =
        numberFromEnvironment("ZUMBILO_RANDOM_INPUT_EVENTS", TypeParam::kEvents);
    RandomInputRun<TypeParam> input(seed);
    while (input.events < count && !::testing::Test::HasFatalFailure()) {
        input.event();
    }
    std::cout << "seed " << seed << ": " << input.events << " events, " << input.restarts
              << " restarts, " << input.verdicts << " verdicts, " << input.aboutBoxes
              << " About boxes\n";
    EXPECT_GT(input.verdicts, 0);
    EXPECT_GT(input.restarts, 0);
    EXPECT_GT(input.aboutBoxes, 0);
}

REGISTER_TYPED_TEST_SUITE_P(RandomInput, anyInputInAnyOrderKeepsBothWindowsConsistent);

}  // namespace random_input

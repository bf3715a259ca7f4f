#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/runtime/about_box.h"
#include "platform/runtime/process.h"
#include "platform/runtime/random_source.h"

namespace testing_support {

// Draws the values a test scripts, in order; 0.5 once the script runs out.
class ScriptedRandom final : public platform::RandomSource {
  public:
    void script(std::initializer_list<float> draws) { draws_.insert(draws_.end(), draws); }
    void Randomize() override { ++randomizeCalls; }
    float Rnd() override {
        if (draws_.empty()) {
            return 0.5F;
        }
        const float draw = draws_.front();
        draws_.pop_front();
        return draw;
    }

    int randomizeCalls = 0;

  private:
    std::deque<float> draws_;
};

class FakeProcess final : public platform::Process {
  public:
    void allFormsUnloaded() override { ++allUnloadedCalls; }
    void end() override { ended = true; }
    void fail(const std::string& title, const std::string& message) override {
        failures.push_back(title + "|" + message);
    }

    int allUnloadedCalls = 0;
    bool ended = false;
    std::vector<std::string> failures;
};

class FakeAboutBox final : public platform::AboutBox {
  public:
    struct Shown {
        platform::Form* owner;
        std::string title;
        std::string text;
        platform::Picture icon;
    };

    void show(platform::Form& owner, const std::string& title, const std::string& text,
              const platform::Picture& icon) override {
        shown.push_back({&owner, title, text, icon});
        if (whileOpen) {
            whileOpen();
        }
    }

    std::vector<Shown> shown;
    // Runs as if during the box's modal loop.
    std::function<void()> whileOpen;
};

}  // namespace testing_support

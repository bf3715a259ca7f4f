#include "platform/web/application.h"

#include "platform/runtime/clock_seeded_random.h"
#include "platform/web/about_box.h"
#include "platform/web/page.h"
#include "platform/web/real_clock.h"
#include "platform/web/window_system.h"

namespace platform::web {

namespace {

// A page cannot end its process: the game's windows go, and the page says
// that the game has ended, and why where it failed.
class PageProcess final : public Process {
  public:
    void allFormsUnloaded() override { zumbilo_end(""); }
    void end() override { zumbilo_end(""); }
    void fail(const std::string& /*title*/, const std::string& message) override {
        zumbilo_end(message.c_str());
    }
};

}  // namespace

struct Application::Parts {
    explicit Parts(AppRecord app)
        : runtime({.clock = clock,
                   .random = random,
                   .process = process,
                   .aboutBox = aboutBox,
                   .windows = windows,
                   .app = std::move(app)}) {}

    PageProcess process;
    RealClock clock;
    ClockSeededRandom random;
    WebWindowSystem windows;
    DialogAboutBox aboutBox;
    Runtime runtime;
};

Application::Application(const AppRecord& app) : parts_(std::make_unique<Parts>(app)) {}

Application::~Application() = default;

Runtime& Application::runtime() {
    return parts_->runtime;
}

void Application::run(const std::function<void()>& start) {
    parts_->runtime.dispatch(start);
}

}  // namespace platform::web

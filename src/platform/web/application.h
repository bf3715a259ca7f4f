#pragma once

#include <functional>
#include <memory>

#include "platform/runtime/runtime.h"

namespace platform::web {

// The program's side of the runtime in the browser: the window system on the
// page, the browser's timers, the clock-seeded random source, the page's
// About box, and the page's word that the game has ended.
class Application {
  public:
    explicit Application(const AppRecord& app);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    Application(Application&&) = delete;
    Application& operator=(Application&&) = delete;
    ~Application();

    Runtime& runtime();

    // Runs the first handler and returns: the page's events drive the game
    // from then on.
    void run(const std::function<void()>& start);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace platform::web

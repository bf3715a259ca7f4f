#pragma once

#include <memory>

#include "platform/runtime/runtime.h"

namespace platform {

// The program's side of the runtime: the desktop connection, the real clock,
// the clock-seeded random source, the About box and the real end of the
// process.
class Application {
  public:
    // Ends the process with one line on standard error when no display is
    // reachable or Qt cannot load its platform plugin; says in one line which
    // caption fonts are missing and goes on.
    // The desktop id lets the desktop match the windows to the installed
    // entry and icon.
    Application(int& argc, char** argv, AppRecord app, const char* desktopId);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    Application(Application&&) = delete;
    Application& operator=(Application&&) = delete;
    ~Application();

    Runtime& runtime();

    // Runs the first handler, then the event loop until the last form is
    // unloaded; returns the exit status.
    int run(const std::function<void()>& start);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace platform

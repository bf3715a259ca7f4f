#pragma once

#include <functional>
#include <memory>

#include "platform/runtime/runtime.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// The program's side of the runtime on Windows: the window system, the real
// clock, the clock-seeded random source, the shell's About box and the real
// end of the process.
class Application {
  public:
    // Where the windows cannot be made, says why in a message box and ends
    // the process with status 1.
    explicit Application(const AppRecord& app);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    Application(Application&&) = delete;
    Application& operator=(Application&&) = delete;
    ~Application();

    Runtime& runtime();

    // Runs the first handler, then the message loop until the last form is
    // unloaded; returns the exit status.
    int run(const std::function<void()>& start);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Hands the thread's messages (or one window's) on until WM_QUIT, and returns
// its exit code; 1 when the system cannot hand them on.
int runMessageLoop(HWND window = nullptr);

}  // namespace platform::win32

#pragma once

#include <string>

namespace platform {

// What happens to the process when the runtime decides it must stop. The
// program ends for real; tests record the request.
class Process {
  public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&&) = delete;
    Process& operator=(Process&&) = delete;
    virtual ~Process() = default;

    // No form is loaded and no handler runs: the program is over.
    virtual void allFormsUnloaded() = 0;
    // End: stop at once, status 0.
    virtual void end() = 0;
    // An error escaped a handler: show the standard message, then stop with a
    // non-zero status.
    virtual void fail(const std::string& title, const std::string& message) = 0;
};

}  // namespace platform

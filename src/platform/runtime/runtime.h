#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/app_record.h"
#include "platform/runtime/clock.h"
#include "platform/runtime/process.h"
#include "platform/runtime/random_source.h"
#include "platform/runtime/window_system.h"

namespace platform {

class AboutBox;
class Form;
class Picture;

// The services every form shares, and the one door through which events
// reach handlers: one at a time, with the runtime's error handling and the
// end of the program when the last form has gone.
class Runtime {
  public:
    struct Services {
        Clock& clock;
        RandomSource& random;
        Process& process;
        AboutBox& aboutBox;
        WindowSystem& windows;
        AppRecord app;
    };

    explicit Runtime(Services services);

    Clock& clock() { return services_.clock; }
    RandomSource& random() { return services_.random; }
    WindowSystem& windows() { return services_.windows; }
    const AppRecord& App() const { return services_.app; }

    // Runs one event handler, or queues it behind the handler that is
    // running. Once the program has ended, nothing runs.
    void dispatch(std::function<void()> handler);

    // The End statement.
    void End();

    bool stopped() const { return stopped_; }

    void formLoaded() { ++loadedForms_; }
    void formUnloaded();

    // The desktop's About box, modal to its owner: returns once it is closed.
    // Meanwhile no control takes a press.
    void showAboutBox(Form& owner, const std::string& title, const std::string& text,
                      const Picture& icon);
    bool modalOpen() const { return modalOpen_ > 0; }

    // Has the form tell assistive technology what changed once the outermost
    // handler, and every event that waited for it, has returned; at once
    // outside handlers.
    void publishAfterHandlers(Form& form);

    // Keeps what an unloaded form owned (its controls, with the handler that
    // may be running) alive until the outermost handler, and every event
    // that waited for it, has returned.
    void retire(std::shared_ptr<void> remains);

  private:
    void run(const std::function<void()>& handler);
    void endIfNothingLoaded();
    void publishAll();

    Services services_;
    std::deque<std::function<void()>> waiting_;
    std::vector<std::shared_ptr<void>> retired_;
    std::vector<Form*> unpublished_;
    int loadedForms_ = 0;
    int modalOpen_ = 0;
    int depth_ = 0;
    bool stopped_ = false;
};

}  // namespace platform

#include "platform/runtime/runtime.h"

#include <algorithm>

#include "platform/runtime/about_box.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime_error.h"

namespace platform {

Runtime::Runtime(Services services) : services_(std::move(services)) {}

void Runtime::dispatch(std::function<void()> handler) {
    if (stopped_) {
        return;
    }
    // Handlers never run inside one another: an event that arrives while one
    // runs (a tick under a modal box, say) waits until the outermost returns.
    if (depth_ > 0) {
        waiting_.push_back(std::move(handler));
        return;
    }
    run(handler);
    while (!waiting_.empty() && !stopped_) {
        const std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        run(next);
    }
    waiting_.clear();
    publishAll();
    retired_.clear();
    endIfNothingLoaded();
}

void Runtime::run(const std::function<void()>& handler) {
    ++depth_;
    try {
        handler();
    } catch (const RuntimeError& error) {
        stopped_ = true;
        services_.process.fail(services_.app.Title, error.standardMessage());
    } catch (const std::exception& error) {
        stopped_ = true;
        services_.process.fail(services_.app.Title, error.what());
    }
    --depth_;
}

void Runtime::showAboutBox(Form& owner, const std::string& title, const std::string& text,
                           const Picture& icon) {
    ++modalOpen_;
    // Screen readers hear now, not once the box is closed, that nothing can
    // be pressed behind it.
    publishAfterHandlers(owner);
    publishAll();
    services_.aboutBox.show(owner, title, text, icon);
    --modalOpen_;
    publishAfterHandlers(owner);
}

void Runtime::publishAfterHandlers(Form& form) {
    if (depth_ == 0) {
        form.publishAccessibility();
    } else if (std::find(unpublished_.begin(), unpublished_.end(), &form) == unpublished_.end()) {
        unpublished_.push_back(&form);
    }
}

void Runtime::publishAll() {
    for (Form* form : std::exchange(unpublished_, {})) {
        form->publishAccessibility();
    }
}

void Runtime::retire(std::shared_ptr<void> remains) {
    if (depth_ > 0) {
        retired_.push_back(std::move(remains));
    }
}

void Runtime::End() {
    if (stopped_) {
        return;
    }
    stopped_ = true;
    services_.process.end();
}

void Runtime::formUnloaded() {
    --loadedForms_;
    endIfNothingLoaded();
}

void Runtime::endIfNothingLoaded() {
    // Inside a handler a form may be unloaded just before another is shown.
    if (depth_ == 0 && loadedForms_ == 0 && !stopped_) {
        stopped_ = true;
        services_.process.allFormsUnloaded();
    }
}

}  // namespace platform

#include "platform/runtime.h"

#include "platform/runtime_error.h"

namespace platform {

Runtime::Runtime(Services services) : services_(std::move(services)) {}

void Runtime::dispatch(const std::function<void()>& handler) {
    if (stopped_) {
        return;
    }
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
    if (depth_ == 0) {
        retired_.clear();
    }
    endIfNothingLoaded();
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

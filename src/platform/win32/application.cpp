#include "platform/win32/application.h"

#include <stdexcept>

#include "platform/runtime/clock_seeded_random.h"
#include "platform/win32/about_box.h"
#include "platform/win32/real_clock.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {

namespace {

class Win32Process final : public Process {
  public:
    void allFormsUnloaded() override { PostQuitMessage(0); }

    void end() override { ExitProcess(0); }

    void fail(const std::string& title, const std::string& message) override {
        MessageBoxW(nullptr, widen(message).c_str(), widen(title).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
        ExitProcess(1);
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

    Win32Process process;
    RealClock clock;
    ClockSeededRandom random;
    Win32WindowSystem windows;
    ShellAboutBox aboutBox{windows.pictures()};
    Runtime runtime;
};

Application::Application(const AppRecord& app) {
    try {
        parts_ = std::make_unique<Parts>(app);
    } catch (const std::runtime_error& error) {
        Win32Process().fail(app.Title, error.what());
    }
}

Application::~Application() = default;

Runtime& Application::runtime() {
    return parts_->runtime;
}

int Application::run(const std::function<void()>& start) {
    parts_->runtime.dispatch(start);
    if (parts_->runtime.stopped()) {
        return 0;
    }
    return runMessageLoop();
}

int runMessageLoop(HWND window) {
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, window, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Only WM_QUIT carries an exit code.
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace platform::win32

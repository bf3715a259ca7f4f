#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <fstream>

#include "pointer.h"
#include "program_windows.h"
#include "test_runtime.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitized = true;
#else
constexpr bool kAddressSanitized = false;
#endif

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Every restart unloads the main window and loads both windows anew: a
// thousand of them must leave nothing behind. (LeakSanitizer checks the
// heap in the sanitizer build; resident memory is checked here.)
TEST(RestartMemory, aThousandRestartsLeaveResidentMemoryWhereItWas) {
    testing_support::TestRuntime rt;
    zumbilo::ProgramWindows windows(rt.runtime);
    rt.runtime.dispatch([&] { windows.showStartupWindow(); });

    const auto restartAfterAPlay = [&] {
        rt.clock.advance(1730);  // the hand-off
        ASSERT_TRUE(windows.principal->loaded());
        auto& c = windows.principal->c();
        const testing_support::Pointer pointer{*windows.principal};
        pointer.click(c.lblPlay[0]);
        pointer.click(c.imgOpt[1]);
        rt.clock.advance(600);
        const platform::PixelRect panel = c.lblReset[1].pixelRect();
        pointer.clickAt(panel.x + 2, panel.y + 2);
        ASSERT_FALSE(windows.principal->loaded());
        // What the event loop does between two inputs: window-system events
        // are handled and the windows of unloaded forms deleted.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    restartAfterAPlay();
    const long afterFirst = residentKiB();
    for (int i = 1; i < 1000 && !::testing::Test::HasFatalFailure(); ++i) {
        restartAfterAPlay();
    }
    EXPECT_EQ(rt.process.allUnloadedCalls, 0);
    // Under AddressSanitizer freed memory waits in quarantine, so resident
    // memory says nothing there; LeakSanitizer checks the heap instead.
    if (!kAddressSanitized) {
        EXPECT_LE(residentKiB() - afterFirst, 1024) << "KiB grown over 999 restarts";
    }
}

}  // namespace

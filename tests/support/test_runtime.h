#pragma once

#include "fakes.h"
#include "platform/qt/qt_window_system.h"
#include "platform/runtime/runtime.h"
#include "virtual_clock.h"

namespace testing_support {

// A runtime on the virtual clock, scripted random, fakes and Qt windows.
struct TestRuntime {
    VirtualClock clock;
    ScriptedRandom random;
    FakeProcess process;
    FakeAboutBox aboutBox;
    platform::QtWindowSystem windows;
    platform::Runtime runtime{{.clock = clock,
                               .random = random,
                               .process = process,
                               .aboutBox = aboutBox,
                               .windows = windows,
                               .app = {.Title = "Zumbilo", .Major = 3, .Minor = 5, .Revision = 4}}};
};

}  // namespace testing_support

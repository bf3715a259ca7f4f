#pragma once

#include "fakes.h"
#include "platform/runtime/runtime.h"
#include "virtual_clock.h"

namespace testing_support {

// A runtime on the virtual clock (or another), scripted random, fakes and the
// real windows of a window system, with the program's application record.
template <class WindowSystem, class Clock = VirtualClock>
struct RuntimeOn {
    Clock clock;
    ScriptedRandom random;
    FakeProcess process;
    FakeAboutBox aboutBox;
    WindowSystem windows;
    platform::Runtime runtime{{.clock = clock,
                               .random = random,
                               .process = process,
                               .aboutBox = aboutBox,
                               .windows = windows,
                               .app = {.Title = "Zumbilo", .Major = 3, .Minor = 5, .Revision = 4}}};
};

}  // namespace testing_support

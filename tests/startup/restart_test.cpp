#include <fstream>

#include "program_test.h"

namespace {

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field && field != "VmRSS:") {
    }
    return status >> field ? std::stol(field) : -1;
}

constexpr int kPlayerScissors = 1;  // against the computer's unscripted paper

using RestartTest = ProgramTest;

// A restart replays the sequence and brings back a fresh main window, the
// program never ending in between. Made k ticks into the hands, it carries the
// tick count and Playing over, which holds the player's hand until the next
// verdict, on the (6 - k)-th tick; after a verdict (k = 6) nothing carries over.
TEST_F(RestartTest, aRestartBringsBackAFreshWindowCarryingOnlyTheTickCountAndPlayingOver) {
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        handOff();
        click(c().lblPlay[0]);
        click(c().imgOpt[kPlayerScissors]);
        ticks(k);
        restart();
        rt.clock.advance(kHandOffMs - 1);
        EXPECT_FALSE(mainShown());
        rt.clock.advance(1);
        ASSERT_TRUE(mainShown());
        EXPECT_FALSE(inicio().loaded());
        EXPECT_EQ(rt.clock.running(), 1U);  // the slide: the sequence's timers are gone
        EXPECT_EQ(c().lblWin.Caption.get(), "0");
        EXPECT_EQ(c().lblGame.Caption.get(), "BIENVENIDO");
        EXPECT_TRUE(c().lblPlay[0].Visible);
        EXPECT_EQ(rt.process.allUnloadedCalls, 0);
        EXPECT_EQ(principal().TickCount, k % 6);
        EXPECT_EQ(principal().Playing, k < 6);
        key('2');  // scissors, from the welcome state
        ticks(5 - k % 6);
        click(c().Image1);
        EXPECT_EQ(c().lblGame.Caption.get(), k < 6 ? "" : "ELIGE UNA FIGURA");
        ticks(1);
        EXPECT_EQ(c().lblGame.Caption.get(), "GANASTE");
        restart();
    }
}

// A thousand restarts after a play leave nothing behind. (Under AddressSanitizer
// freed memory waits in quarantine; LeakSanitizer checks the heap there.)
TEST_F(RestartTest, aThousandRestartsLeaveResidentMemoryWhereItWas) {
    const auto restartAfterAPlay = [&] {
        handOff();
        click(c().lblPlay[0]);
        click(c().imgOpt[kPlayerScissors]);
        ticks(6);
        restart();
    };
    for (int i = 0; i < 20; ++i) {  // the allocator's pools settle first
        restartAfterAPlay();
    }
    [[maybe_unused]] const long before = residentKiB();
    if (before < 0) {
        GTEST_SKIP() << "no /proc/self/status to read the resident memory from";
    }
    for (int i = 0; i < 1000; ++i) {
        restartAfterAPlay();
    }
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LE(residentKiB() - before, 2048) << "KiB grown over 1000 restarts";
#endif
}

}  // namespace

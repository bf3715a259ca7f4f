#include "platform/form_window.h"
#include "program_fixture.h"
#include "sequence_recorder.h"

namespace {

// Draws for the computer: 0.5 gives paper, 0.9 scissors.
constexpr float kPaper = 0.5F;
constexpr float kScissors = 0.9F;
constexpr int kPlayerPaper = 0;
constexpr int kPlayerScissors = 1;

class RestartTest : public ProgramTest {
  protected:
    // Hands ticks until the status shows a verdict; 0 if none comes.
    int ticksToVerdict() {
        for (int tick = 1; tick <= 10; ++tick) {
            handsTicks(1);
            if (!main().lblGame.Caption.get().empty()) {
                return tick;
            }
        }
        return 0;
    }
};

TEST_F(RestartTest, bringsBackTheMainWindowWithAClearedScoreWithoutEndingInBetween) {
    handOff();
    rt.random.script({kPaper, kScissors});
    startPlay(kPlayerScissors);
    handsTicks(6);
    clickMain(main().Image1);
    clickMain(main().imgOpt[kPlayerPaper]);
    handsTicks(6);
    ASSERT_EQ(main().lblWin.Caption.get(), "1");
    ASSERT_EQ(main().lblLose.Caption.get(), "1");

    restart();
    EXPECT_FALSE(mainShown());
    EXPECT_TRUE(inicio().loaded());
    EXPECT_EQ(rt.process.allUnloadedCalls, 0);

    handOff();
    EXPECT_FALSE(inicio().loaded());
    EXPECT_EQ(main().lblWin.Caption.get(), "0");
    EXPECT_EQ(main().lblLose.Caption.get(), "0");
    EXPECT_EQ(main().lblGame.Caption.get(), "BIENVENIDO");
    EXPECT_TRUE(main().lblPlay[0].Visible);
    EXPECT_EQ(rt.process.allUnloadedCalls, 0);
    EXPECT_FALSE(rt.process.ended);
}

TEST_F(RestartTest, afterAVerdictTheNextWindowPlaysLikeTheFirst) {
    handOff();
    startPlay(kPlayerScissors);
    EXPECT_EQ(ticksToVerdict(), 6);
    restart();
    EXPECT_EQ(principal().TickCount, 0);
    EXPECT_FALSE(principal().Playing);

    handOff();
    startPlay(kPlayerScissors);
    EXPECT_EQ(ticksToVerdict(), 6);
}

class RestartDuringHandsTest : public RestartTest, public ::testing::WithParamInterface<int> {};

TEST_P(RestartDuringHandsTest, nextWindowsFirstVerdictComesOnTickSixMinusK) {
    const int k = GetParam();
    handOff();
    startPlay(kPlayerScissors);
    handsTicks(k);
    restart();
    handOff();
    ASSERT_TRUE(mainShown());
    EXPECT_EQ(principal().TickCount, k);
    startPlay(kPlayerScissors);
    EXPECT_EQ(ticksToVerdict(), 6 - k);
    EXPECT_EQ(principal().TickCount, 0);
}

INSTANTIATE_TEST_SUITE_P(AfterKTicks, RestartDuringHandsTest, ::testing::Range(1, 6));

TEST_F(RestartTest, playingCarriedOverBlocksThePlayersHandUntilTheVerdict) {
    handOff();
    clickMain(main().lblPlay[0]);
    restart();  // from the choosing state
    handOff();
    ASSERT_TRUE(principal().Playing);

    EXPECT_EQ(principal().keyPress('1'), 0);  // paper, straight from the welcome state
    handsTicks(2);
    clickMain(main().Image1);
    EXPECT_EQ(main().lblGame.Caption.get(), "");
    EXPECT_TRUE(main().Image1.Visible);

    handsTicks(4);
    clickMain(main().Image1);
    EXPECT_EQ(main().lblGame.Caption.get(), "ELIGE UNA FIGURA");
}

TEST_F(RestartTest, exitDuringTheReplayedSequenceEndsTheProgram) {
    handOff();
    restart();
    rt.clock.advance(1500);
    clickExit();
    EXPECT_TRUE(rt.process.ended);

    rt.clock.advance(5000);
    EXPECT_FALSE(mainShown());
}

TEST_F(RestartTest, replaysTheSameTimelineAndFinalShapes) {
    const auto first = startup_testing::recordSequence(inicio(), rt.clock);
    rt.clock.advance(500);
    ASSERT_TRUE(mainShown());
    restart();

    const auto replayed = startup_testing::recordSequence(inicio(), rt.clock);
    EXPECT_EQ(replayed, first);
    rt.clock.advance(499);
    EXPECT_FALSE(mainShown());
    rt.clock.advance(1);
    EXPECT_TRUE(mainShown());
}

// The desktop's close command reaches the form through its window.
TEST_F(RestartTest, closingTheStartupWindowBeforeTheHandOffEndsTheProgram) {
    rt.clock.advance(600);
    inicio().window()->close();
    EXPECT_FALSE(inicio().loaded());
    EXPECT_EQ(rt.process.allUnloadedCalls, 1);

    rt.clock.advance(5000);
    EXPECT_FALSE(mainShown());
}

TEST_F(RestartTest, closingTheMainWindowEndsTheProgram) {
    handOff();
    principal().window()->close();
    EXPECT_FALSE(mainShown());
    EXPECT_EQ(rt.process.allUnloadedCalls, 1);
}

}  // namespace

#include <string>

#include "game_test_fixture.h"
#include "platform/clock_seeded_random.h"

namespace {

// Draws that give each computer figure: below 1/3 rock, then paper, then scissors.
constexpr float kDrawsRock = 0.1F;
constexpr float kDrawsPaper = 0.5F;
constexpr float kDrawsScissors = 0.9F;

struct Pair {
    const char* name;
    char key;  // the player's figure, by its keypad column
    float draw;
    const char* verdict;
    const char* wins;
    const char* losses;
};

class VerdictTest : public MainWindowTest, public ::testing::WithParamInterface<Pair> {};

TEST_P(VerdictTest, sixthTickShowsVerdictAndAdvancesOneCounter) {
    const Pair pair = GetParam();
    rt.random.script({pair.draw});
    key(pair.key);
    ticks(6);
    EXPECT_EQ(c().lblGame.Caption.get(), pair.verdict);
    EXPECT_EQ(c().lblWin.Caption.get(), pair.wins);
    EXPECT_EQ(c().lblLose.Caption.get(), pair.losses);
}

// Keys 7, 8 and 9 choose paper, scissors and rock.
INSTANTIATE_TEST_SUITE_P(
    AllNinePairs, VerdictTest,
    ::testing::Values(Pair{"paperVsPaper", '7', kDrawsPaper, "EMPATASTE", "0", "0"},
                      Pair{"paperVsScissors", '7', kDrawsScissors, "PERDISTE", "0", "1"},
                      Pair{"paperVsRock", '7', kDrawsRock, "GANASTE", "1", "0"},
                      Pair{"scissorsVsPaper", '8', kDrawsPaper, "GANASTE", "1", "0"},
                      Pair{"scissorsVsScissors", '8', kDrawsScissors, "EMPATASTE", "0", "0"},
                      Pair{"scissorsVsRock", '8', kDrawsRock, "PERDISTE", "0", "1"},
                      Pair{"rockVsPaper", '9', kDrawsPaper, "PERDISTE", "0", "1"},
                      Pair{"rockVsScissors", '9', kDrawsScissors, "GANASTE", "1", "0"},
                      Pair{"rockVsRock", '9', kDrawsRock, "EMPATASTE", "0", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, drawIsSplitIntoThirdsAtExactBounds) {
    // The product r x 3 is formed exactly, so the float nearest 1/3 (just
    // above it) is already paper, and the float just below is still rock.
    const struct {
        float draw;
        const platform::Image& shown;
    } cases[] = {{0.0F, c().imgVs3},        {0.33333331F, c().imgVs3}, {0.33333334F, c().imgVs1},
                 {0.66666663F, c().imgVs1}, {0.66666669F, c().imgVs2}, {0.99999994F, c().imgVs2}};
    for (const auto& each : cases) {
        rt.random.script({each.draw});
        key('7');
        ticks(6);
        EXPECT_EQ(c().Image2.Picture.get(), each.shown.Picture.get()) << each.draw;
    }
}

TEST_F(MainWindowTest, everyDrawReseedsFromTheClock) {
    key('7');
    ticks(6);
    key('8');
    ticks(6);
    EXPECT_EQ(rt.random.randomizeCalls, 2);
}

TEST_F(MainWindowTest, tenthWinReadsTen) {
    for (int play = 1; play <= 10; ++play) {
        rt.random.script({kDrawsScissors});
        key('9');
        ticks(6);
        EXPECT_EQ(c().lblWin.Caption.get(), std::to_string(play));
    }
    EXPECT_EQ(c().lblLose.Caption.get(), "0");
}

TEST_F(MainWindowTest, computerFiguresComeUpEquallyOften) {
    // Statistical, on the real clock-seeded source: each third within 5 %.
    platform::ClockSeededRandom random;
    int counts[3] = {};
    constexpr int kDraws = 30000;
    for (int i = 0; i < kDraws; ++i) {
        random.Randomize();
        ++counts[static_cast<int>(random.Rnd() * 3.0)];
    }
    for (const int count : counts) {
        EXPECT_NEAR(count, kDraws / 3, kDraws / 20);
    }
}

}  // namespace

#include <string>
#include <tuple>
#include <vector>

#include "program_test.h"

namespace {

using platform::Picture;

// Draws that give each computer figure: below 1/3 rock, then paper, then scissors.
constexpr float kDrawsRock = 0.1F;
constexpr float kDrawsPaper = 0.5F;
constexpr float kDrawsScissors = 0.9F;

using PlayTest = MainWindowTest;

// The computer's hand cycles each tick and shows its draw on the sixth; only
// then does the player's hand open the next play, keeping score and pictures.
TEST_F(PlayTest, computerHandShowsSixPicturesThenTheDrawOnTheSixthTick) {
    rt.random.script({kDrawsPaper});
    click(c().lblPlay[0]);
    click(c().imgOpt[2]);
    const Picture paper = c().imgVs1.Picture;
    const Picture scissors = c().imgVs2.Picture;
    const Picture rock = c().imgVs3.Picture;
    std::vector<Picture> shown = {c().Image2.Picture};
    for (int tick = 1; tick <= 5; ++tick) {
        ticks(1);
        click(c().Image1);
        shown.push_back(c().Image2.Picture);
        EXPECT_EQ(c().lblGame.Caption.get(), "");
    }
    EXPECT_EQ(shown, (std::vector<Picture>{rock, paper, scissors, rock, paper, scissors}));
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());

    ticks(1);
    EXPECT_EQ(c().Image2.Picture.get(), paper);
    EXPECT_FALSE(c().tmrHands.Enabled);
    EXPECT_EQ(principal().TickCount, 0);
    EXPECT_EQ(rt.random.randomizeCalls, 1);
    ticks(10);  // no seventh tick: the score and the pictures below stay

    click(c().Image1);
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
    EXPECT_FALSE(c().Image1.Visible);
    EXPECT_FALSE(c().Image2.Visible);
    EXPECT_FALSE(c().lblPlay[0].Visible);
    EXPECT_TRUE(principal().Playing);
    EXPECT_EQ(c().lblLose.Caption.get(), "1");
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());
    EXPECT_EQ(c().Image2.Picture.get(), paper);
}

// Keys 7, 8 and 9 choose paper, scissors and rock; each row plays eleven times
// in a row from the decided state, so a counter reads 10, then 11, or stays 0.
TEST_F(PlayTest, allNinePairsGiveTheirVerdictAndAdvanceOneCounterPastNine) {
    // The digit, the draw, the verdict, wins-losses after ten plays and after eleven.
    const std::tuple<char, float, const char*, const char*> pairs[]{
        {'7', kDrawsPaper, "EMPATASTE", "0-0 0-0"},
        {'7', kDrawsScissors, "PERDISTE", "0-10 0-11"},
        {'7', kDrawsRock, "GANASTE", "10-0 11-0"},
        {'8', kDrawsPaper, "GANASTE", "10-0 11-0"},
        {'8', kDrawsScissors, "EMPATASTE", "0-0 0-0"},
        {'8', kDrawsRock, "PERDISTE", "0-10 0-11"},
        {'9', kDrawsPaper, "PERDISTE", "0-10 0-11"},
        {'9', kDrawsScissors, "GANASTE", "10-0 11-0"},
        {'9', kDrawsRock, "EMPATASTE", "0-0 0-0"}};
    for (const auto& [digit, draw, verdict, scores] : pairs) {
        reload(principal());
        std::string seen;
        for (int play = 1; play <= 11; ++play) {
            rt.random.script({draw});
            key(digit);
            ticks(6);
            if (play >= 10) {
                seen += (seen.empty() ? "" : " ") + c().lblWin.Caption.get() + "-" +
                        c().lblLose.Caption.get();
            }
        }
        EXPECT_EQ(c().lblGame.Caption.get(), verdict) << digit << draw;
        EXPECT_EQ(seen, scores) << digit << draw;
    }
}

// A key-started play from the welcome state never sets Playing: the player's
// hand answers at once while the hands run on, and a figure chosen goes on
// from the tick reached.
TEST_F(PlayTest, handClickDuringAKeyStartedPlayOpensANewPlayWhileTheHandsRunOn) {
    rt.random.script({kDrawsRock, kDrawsRock});
    key('8');
    EXPECT_TRUE(c().lblPlay[0].Visible);
    EXPECT_FALSE(c().imgOpt[1].Visible);
    ticks(2);
    click(c().Image1);
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
    EXPECT_FALSE(c().Image1.Visible);
    EXPECT_TRUE(c().tmrHands.Enabled);

    click(c().imgOpt[0]);  // paper now, at tick 2
    EXPECT_EQ(c().Image2.Picture.get(), c().imgVs3.Picture.get());
    ticks(3);
    EXPECT_EQ(c().lblGame.Caption.get(), "");
    ticks(1);
    EXPECT_EQ(c().lblGame.Caption.get(), "GANASTE");

    // Without a new choice the verdict comes with both hands hidden.
    key('8');
    ticks(1);
    click(c().Image1);
    ticks(5);
    EXPECT_EQ(c().lblGame.Caption.get(), "PERDISTE");
    EXPECT_FALSE(c().Image1.Visible);
    EXPECT_FALSE(c().Image2.Visible);
    click(c().imgOpt[0]);
    EXPECT_TRUE(c().Image1.Visible);
}

}  // namespace

#include "game_test_fixture.h"

namespace {

using platform::Picture;

class PlayTest : public MainWindowTest {
  protected:
    void startGame() { pointer.click(c().lblPlay[0]); }
    void choose(int index) { pointer.click(c().imgOpt[index]); }
};

TEST_F(PlayTest, computerHandShowsSixPicturesThenTheDraw) {
    rt.random.script({0.5F});  // paper
    startGame();
    choose(2);
    const Picture paper = c().imgVs1.Picture;
    const Picture scissors = c().imgVs2.Picture;
    const Picture rock = c().imgVs3.Picture;
    std::vector<Picture> shown = {c().Image2.Picture};
    for (int tick = 1; tick <= 5; ++tick) {
        ticks(1);
        shown.push_back(c().Image2.Picture);
        EXPECT_EQ(c().lblGame.Caption.get(), "");
        EXPECT_EQ(form.TickCount, tick);
    }
    EXPECT_EQ(shown, (std::vector<Picture>{rock, paper, scissors, rock, paper, scissors}));
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());

    ticks(1);
    EXPECT_EQ(c().Image2.Picture.get(), paper);
    EXPECT_EQ(c().lblGame.Caption.get(), "PERDISTE");
    EXPECT_FALSE(c().tmrHands.Enabled);
    EXPECT_EQ(form.TickCount, 0);
    EXPECT_FALSE(form.Playing);

    ticks(10);  // no seventh tick
    EXPECT_EQ(c().lblLose.Caption.get(), "1");
}

TEST_F(PlayTest, playerHandIgnoresClicksUntilTheVerdictThenOpensTheNextPlay) {
    startGame();
    choose(0);
    ticks(3);
    pointer.click(c().Image1);
    EXPECT_TRUE(c().Image1.Visible);
    EXPECT_EQ(c().lblGame.Caption.get(), "");

    ticks(3);
    pointer.click(c().Image1);
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
    EXPECT_FALSE(c().Image1.Visible);
    EXPECT_FALSE(c().Image2.Visible);
    EXPECT_TRUE(form.Playing);
}

TEST_F(PlayTest, secondNewPlayKeepsScoreAndHandPicturesAndStartLabelHidden) {
    rt.random.script({0.9F});  // scissors against the rock
    startGame();
    choose(2);
    ticks(6);
    pointer.click(c().Image1);
    EXPECT_FALSE(c().lblPlay[0].Visible);
    EXPECT_EQ(c().lblWin.Caption.get(), "1");
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());
    EXPECT_EQ(c().Image2.Picture.get(), c().imgVs2.Picture.get());
}

TEST_F(PlayTest, startPanelStartsOnlyInTheWelcomeState) {
    pointer.click(c().lblPlay[1]);
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");

    // Later, the bare part of the player's panel does nothing, in every state.
    const auto panelCorner = [&] {
        const platform::PixelRect r = c().lblPlay[1].pixelRect();
        pointer.clickAt(r.x + 2, r.y + r.height - 3);
    };
    panelCorner();
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
    choose(1);
    panelCorner();
    EXPECT_EQ(c().lblGame.Caption.get(), "");
    ticks(6);
    const std::string verdict = c().lblGame.Caption;
    panelCorner();
    EXPECT_EQ(c().lblGame.Caption.get(), verdict);
}

// A key-started play from the welcome state never set Playing, so the
// player's hand answers at once, and the animation runs on underneath.
TEST_F(PlayTest, handClickDuringKeyStartedPlayOpensNewPlayWhileAnimationRuns) {
    rt.random.script({0.1F});  // rock against scissors
    key('5');
    ticks(2);
    pointer.click(c().Image1);
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
    EXPECT_FALSE(c().Image1.Visible);
    EXPECT_TRUE(c().tmrHands.Enabled);
    EXPECT_TRUE(c().imgOpt[0].Visible);

    ticks(4);
    EXPECT_EQ(c().lblGame.Caption.get(), "PERDISTE");
    EXPECT_FALSE(c().Image1.Visible);
    EXPECT_FALSE(c().Image2.Visible);
    EXPECT_FALSE(c().tmrHands.Enabled);

    choose(0);  // still uncovered and clickable
    EXPECT_TRUE(c().Image1.Visible);
}

TEST_F(PlayTest, choosingAgainMidAnimationContinuesFromTheTickReached) {
    rt.random.script({0.1F});  // rock
    key('8');
    ticks(2);
    pointer.click(c().Image1);
    choose(0);  // paper now, at tick 2
    EXPECT_EQ(c().Image2.Picture.get(), c().imgVs3.Picture.get());
    ticks(3);
    EXPECT_EQ(c().lblGame.Caption.get(), "");
    ticks(1);
    EXPECT_EQ(c().lblGame.Caption.get(), "GANASTE");
}

TEST_F(PlayTest, twoKeyPlaysInARowFromTheDecidedStateEachCount) {
    rt.random.script({0.9F, 0.9F});  // scissors, scissors
    key('9');
    ticks(6);
    key('3');
    EXPECT_EQ(c().lblGame.Caption.get(), "");
    ticks(6);
    EXPECT_EQ(c().lblWin.Caption.get(), "2");
}

TEST_F(PlayTest, restartOnThePanelRimUnloadsTheWindowAndKeepsItsVariables) {
    key('9');
    ticks(3);
    const platform::PixelRect panel = c().lblReset[1].pixelRect();
    pointer.clickAt(panel.x + 3, panel.y + 3);  // the rim that Image2 leaves uncovered
    EXPECT_EQ(restarts, 1);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.TickCount, 3);
    EXPECT_EQ(form.Choice, 2);
    EXPECT_EQ(rt.clock.running(), 0U);
    // The program ends only after the handler, here because nothing was shown.
    EXPECT_EQ(endedDuringRestart, 0);
    EXPECT_EQ(rt.process.allUnloadedCalls, 1);
}

}  // namespace

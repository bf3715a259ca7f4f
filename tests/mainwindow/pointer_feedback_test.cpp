#include "game/game_test_fixture.h"

namespace {

using platform::kFillSolid;
using platform::kFillTransparent;
using platform::kFixedSingle;
using platform::kMiddleButton;
using platform::kNoBorder;
using platform::kRightButton;

constexpr auto kAtRest = platform::RGB(128, 0, 0);
constexpr auto kHovered = platform::RGB(64, 0, 0);

class PointerFeedbackTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        pointer.click(c().lblPlay[0]);  // the options are shown from the first new play on
    }

    // Hover state: which text button is dark, which option shapes are filled.
    struct Hover {
        bool play;
        bool reset;
        bool about;
        int fills[3];
    };

    Hover hover() {
        return {c().lblPlay[0].ForeColor == kHovered,
                c().lblReset[0].ForeColor == kHovered,
                c().cmdAbout.ForeColor == kHovered,
                {c().shpOpt1.FillStyle, c().shpOpt2.FillStyle, c().shpOpt3.FillStyle}};
    }

    void expectHover(const Hover& expected) {
        const Hover actual = hover();
        EXPECT_EQ(actual.play, expected.play);
        EXPECT_EQ(actual.reset, expected.reset);
        EXPECT_EQ(actual.about, expected.about);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(actual.fills[i], expected.fills[i]) << "shpOpt" << i + 1;
        }
    }

    void moveToFormBackground() { form.mouseMove(200, 4, 0, 0); }
};

constexpr int T = kFillTransparent;
constexpr int S = kFillSolid;

TEST_F(PointerFeedbackTest, eachPassiveAreaClearsEverything) {
    const auto passives = {&c().lblGame, &c().lblWin, &c().lblLose, &c().lblVS};
    for (const platform::Label* passive : passives) {
        pointer.moveTo(c().lblReset[0]);
        pointer.moveTo(c().imgOpt[1]);
        pointer.moveTo(*passive);
        expectHover({false, false, false, {T, T, T}});
    }
    pointer.moveTo(c().cmdAbout);
    pointer.moveTo(c().imgOpt[2]);
    moveToFormBackground();
    expectHover({false, false, false, {T, T, T}});
    EXPECT_EQ(c().lblPlay[0].ForeColor.get(), kAtRest);
}

TEST_F(PointerFeedbackTest, textButtonsAndTheirPanelsDarkenTheLabelAlone) {
    pointer.moveTo(c().lblReset[0]);
    expectHover({false, true, false, {T, T, T}});
    pointer.moveTo(c().cmdAbout);
    expectHover({false, false, true, {T, T, T}});
    // The start label is hidden by now; its panel still recolours it.
    const platform::PixelRect panel = c().lblPlay[1].pixelRect();
    form.mouseMove(panel.x + 3, panel.y + panel.height - 4, 0, 0);
    expectHover({true, false, false, {T, T, T}});
    EXPECT_EQ(c().lblPlay[1].ForeColor.get(), platform::RGB(0, 0, 0));
    const platform::PixelRect resetPanel = c().lblReset[1].pixelRect();
    form.mouseMove(resetPanel.x + 3, resetPanel.y + 3, 0, 0);
    expectHover({false, true, false, {T, T, T}});
}

TEST_F(PointerFeedbackTest, figureHighlightJumpsBetweenPicturesAndLeavesTextButtonsAlone) {
    pointer.moveTo(c().cmdAbout);
    pointer.moveTo(c().imgOpt[0]);
    expectHover({false, false, true, {S, T, T}});
    pointer.moveTo(c().imgOpt[2]);
    expectHover({false, false, true, {T, T, S}});
    pointer.moveTo(c().imgOpt[1]);
    expectHover({false, false, true, {T, S, T}});
}

TEST_F(PointerFeedbackTest, movesOverTheHandPicturesChangeNothing) {
    pointer.moveTo(c().imgOpt[1]);
    pointer.click(c().imgOpt[1]);
    pointer.moveTo(c().lblReset[0]);  // covered: reaches Image2
    pointer.moveTo(c().Image1);
    expectHover({false, false, false, {T, S, T}});
}

TEST_F(PointerFeedbackTest, pressBordersComeWithAnyButtonAndGoAtTheRelease) {
    form.mouseDown(132, 70, kRightButton, 0);  // on imgOpt(1)
    EXPECT_EQ(c().imgOpt[1].BorderStyle.get(), kFixedSingle);
    form.mouseUp(132, 70, kRightButton, 0);
    EXPECT_EQ(c().imgOpt[1].BorderStyle.get(), kNoBorder);
    EXPECT_TRUE(c().Image1.Visible);  // the click that follows chose it
}

TEST_F(PointerFeedbackTest, handPressBorderIsClearedByAReleaseOutsideTheWindow) {
    pointer.click(c().imgOpt[2]);
    const auto [x, y] = testing_support::Pointer::centreOf(c().Image1);
    form.mouseDown(x, y, platform::kLeftButton, 0);
    EXPECT_EQ(c().Image1.BorderStyle.get(), kFixedSingle);
    form.mouseUp(-50, 900, platform::kLeftButton, 0);
    EXPECT_EQ(c().Image1.BorderStyle.get(), kNoBorder);
}

// A press on the restart label borders the panel, not the label, and the
// release clears it before the click restarts.
TEST_F(PointerFeedbackTest, restartLabelPressBordersThePanelUntilTheRelease) {
    int borderAtRestart = -1;
    c().lblReset.onClick = [&](int /*index*/) { borderAtRestart = c().lblReset[1].BorderStyle; };
    const auto [x, y] = testing_support::Pointer::centreOf(c().lblReset[0]);
    form.mouseDown(x, y, kMiddleButton, 0);
    EXPECT_EQ(c().lblReset[1].BorderStyle.get(), kFixedSingle);
    EXPECT_EQ(c().lblReset[0].BorderStyle.get(), kNoBorder);
    form.mouseUp(x, y, kMiddleButton, 0);
    EXPECT_EQ(borderAtRestart, kNoBorder);
}

class StartPanelBorderTest : public MainWindowTest {};

TEST_F(StartPanelBorderTest, startPanelBordersOnlyWhileTheStartLabelIsUp) {
    const auto [x, y] = testing_support::Pointer::centreOf(c().lblPlay[0]);
    form.mouseDown(x, y, platform::kLeftButton, 0);
    EXPECT_EQ(c().lblPlay[1].BorderStyle.get(), kFixedSingle);
    form.mouseUp(x, y, platform::kLeftButton, 0);  // the click that follows hides the label
    EXPECT_EQ(c().lblPlay[1].BorderStyle.get(), kNoBorder);
    EXPECT_FALSE(c().lblPlay[0].Visible);

    const platform::PixelRect panel = c().lblPlay[1].pixelRect();
    form.mouseDown(panel.x + 3, panel.y + 3, platform::kLeftButton, 0);
    EXPECT_EQ(c().lblPlay[1].BorderStyle.get(), kNoBorder);
    form.mouseUp(panel.x + 3, panel.y + 3, platform::kLeftButton, 0);
}

TEST_F(StartPanelBorderTest, feedbackNeverTouchesTheGame) {
    pointer.moveTo(c().lblPlay[0]);
    pointer.moveTo(c().lblGame);
    form.mouseDown(200, 4, platform::kRightButton, 0);
    form.mouseUp(200, 4, platform::kRightButton, 0);
    EXPECT_EQ(c().lblGame.Caption.get(), "BIENVENIDO");
    EXPECT_FALSE(form.Playing);
    EXPECT_TRUE(c().lblPlay[0].Visible);
}

}  // namespace

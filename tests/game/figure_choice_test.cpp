#include <QCoreApplication>
#include <QKeyEvent>
#include <vector>

#include "game_test_fixture.h"
#include "platform/form_window.h"

namespace {

using platform::RGB;
using ControlList = std::vector<const platform::Control*>;

// One column of the window's state table: what shows.
struct Shown {
    const char* status;
    bool startLabel;
    bool options;  // option pictures and shapes, lblVS, cmdAbout
    bool playerHand;
    bool computerHand;
    bool handsTimer;
};

class FigureChoiceTest : public MainWindowTest {
  protected:
    void expectShown(const Shown& shown) {
        EXPECT_EQ(c().lblGame.Caption.get(), shown.status);
        EXPECT_EQ(c().lblPlay[0].Visible.get(), shown.startLabel);
        for (const platform::Control* option :
             ControlList{&c().imgOpt[0], &c().imgOpt[1], &c().imgOpt[2], &c().shpOpt1, &c().shpOpt2,
                         &c().shpOpt3, &c().lblVS, &c().cmdAbout}) {
            EXPECT_EQ(option->Visible.get(), shown.options);
        }
        EXPECT_EQ(c().Image1.Visible.get(), shown.playerHand);
        EXPECT_EQ(c().Image2.Visible.get(), shown.computerHand);
        EXPECT_EQ(c().tmrHands.Enabled.get(), shown.handsTimer);
        for (const platform::Control* always :
             ControlList{&c().lblWin, &c().lblLose, &c().lblPlay[1], &c().lblReset[1],
                         &c().lblReset[0], &c().Shape1, &c().Shape2, &c().Shape3}) {
            EXPECT_TRUE(always->Visible);
        }
        for (const platform::Control* never : ControlList{&c().imgVs1, &c().imgVs2, &c().imgVs3}) {
            EXPECT_FALSE(never->Visible);
        }
    }
};

constexpr Shown kWelcome{"BIENVENIDO", true, false, false, false, false};
constexpr Shown kChoosing{"ELIGE UNA FIGURA", false, true, false, false, false};
constexpr Shown kShaking{"", false, true, true, true, true};

TEST_F(FigureChoiceTest, loadRecoloursAndOpensInTheWelcomeState) {
    EXPECT_EQ(form.BackColor.get(), RGB(200, 50, 50));
    EXPECT_EQ(c().lblGame.BackColor.get(), RGB(250, 250, 250));
    EXPECT_EQ(c().lblPlay[1].BackColor.get(), RGB(240, 28, 36));
    EXPECT_EQ(c().lblReset[1].BackColor.get(), RGB(240, 28, 36));
    EXPECT_EQ(form.Caption.get(), "ZUMBILO");
    expectShown(kWelcome);
    EXPECT_FALSE(form.Playing);
}

TEST_F(FigureChoiceTest, startThenOptionPictureGoesThroughChoosingToShaking) {
    pointer.click(c().lblPlay[0]);
    expectShown(kChoosing);
    EXPECT_TRUE(form.Playing);
    EXPECT_EQ(c().lblReset[0].Caption.get(), "(REINICIAR)");

    pointer.click(c().imgOpt[1]);
    expectShown(kShaking);
    EXPECT_EQ(form.Choice, 1);
    EXPECT_EQ(form.PlayerValue, 2);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[1].Picture.get());
    EXPECT_EQ(c().Image2.Picture.get(), c().imgVs3.Picture.get());
    EXPECT_TRUE(form.Playing);
}

// INICIAR opens the play with any button, wherever the button is let go.
TEST_F(FigureChoiceTest, startLabelOpensThePlayWithAnyButtonLetGoAnywhere) {
    const auto [x, y] = testing_support::Pointer::centreOf(c().lblPlay[0]);
    const auto [statusX, statusY] = testing_support::Pointer::centreOf(c().lblGame);
    const struct {
        int button;
        int releaseX, releaseY;
    } presses[] = {{platform::kMiddleButton, x, y},
                   {platform::kLeftButton, statusX, statusY},
                   {platform::kRightButton, -20, -20}};
    for (const auto& each : presses) {
        reload();
        form.mouseDown(x, y, each.button, 0);
        form.mouseUp(each.releaseX, each.releaseY, each.button, 0);
        expectShown(kChoosing);
    }
}

// Digits held with Ctrl, Alt or the logo key are the desktop's shortcuts and
// never reach the game; AltGr, Shift (digits on some layouts) and the keypad
// type them as a plain key does.
TEST_F(FigureChoiceTest, digitsHeldWithShortcutModifiersDoNotPlay) {
    const struct {
        Qt::KeyboardModifiers modifiers;
        bool plays;
    } cases[] = {{Qt::NoModifier, true},          {Qt::KeypadModifier, true},
                 {Qt::GroupSwitchModifier, true}, {Qt::ShiftModifier, true},
                 {Qt::AltModifier, false},        {Qt::MetaModifier, false},
                 {Qt::ControlModifier, false}};
    for (const auto& each : cases) {
        reload();
        QKeyEvent five(QEvent::KeyPress, Qt::Key_5, each.modifiers, QStringLiteral("5"));
        QCoreApplication::sendEvent(form.window(), &five);
        EXPECT_EQ(c().tmrHands.Enabled.get(), each.plays) << each.modifiers;
        EXPECT_EQ(c().lblGame.Caption.get(), each.plays ? "" : "BIENVENIDO");
    }
}

TEST_F(FigureChoiceTest, digitKeysChooseByKeypadColumnAndAreSwallowed) {
    const struct {
        char key;
        int figure;
    } keys[] = {{'7', 0}, {'4', 0}, {'1', 0}, {'8', 1}, {'5', 1},
                {'2', 1}, {'9', 2}, {'6', 2}, {'3', 2}};
    for (const auto& each : keys) {
        key(each.key);
        EXPECT_EQ(form.Choice, each.figure) << each.key;
        EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[each.figure].Picture.get());
        EXPECT_EQ(lastKeyResult, 0);
        ticks(6);
    }
}

TEST_F(FigureChoiceTest, otherKeysAreSwallowedWhileStoppedAndLeftAloneWhileShaking) {
    for (const int other : {int{'0'}, int{'a'}, int{'Z'}, int{'\r'}, int{' '}, 27, 255}) {
        key(other);
        EXPECT_EQ(lastKeyResult, 0) << other;
        expectShown(kWelcome);
    }
    key('8');
    for (const int any : {int{'0'}, int{'7'}, int{'a'}, int{'\r'}}) {
        key(any);
        EXPECT_EQ(lastKeyResult, any);
        EXPECT_EQ(form.Choice, 1);
    }
}

TEST_F(FigureChoiceTest, digitInTheWelcomeStateShakesWithOptionsStillHidden) {
    key('5');
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[1].Picture.get());
    EXPECT_EQ(c().Image2.Picture.get(), c().imgVs3.Picture.get());
    EXPECT_EQ(c().lblGame.Caption.get(), "");
    EXPECT_TRUE(c().tmrHands.Enabled);
    EXPECT_TRUE(c().lblPlay[0].Visible);
    EXPECT_FALSE(c().imgOpt[1].Visible);
    EXPECT_FALSE(form.Playing);
    ticks(6);
    EXPECT_NE(c().lblGame.Caption.get(), "");

    // The first new play after it still performs the first-call set-up.
    pointer.click(c().Image1);
    expectShown(kChoosing);
}

TEST_F(FigureChoiceTest, handPicturesCoverWhatLiesBeneathThem) {
    pointer.click(c().lblPlay[0]);
    pointer.click(c().imgOpt[0]);
    EXPECT_EQ(form.controlAt(testing_support::Pointer::centreOf(c().imgOpt[2]).first,
                             testing_support::Pointer::centreOf(c().imgOpt[2]).second),
              &c().Image1);
    EXPECT_EQ(form.controlAt(testing_support::Pointer::centreOf(c().cmdAbout).first,
                             testing_support::Pointer::centreOf(c().cmdAbout).second),
              &c().Image1);
    EXPECT_EQ(form.controlAt(testing_support::Pointer::centreOf(c().lblReset[0]).first,
                             testing_support::Pointer::centreOf(c().lblReset[0]).second),
              &c().Image2);
    pointer.click(c().cmdAbout);
    EXPECT_TRUE(rt.aboutBox.shown.empty());
}

TEST_F(FigureChoiceTest, toolTipsKeepTheirBlanks) {
    pointer.click(c().lblPlay[0]);
    const auto tipAt = [&](const platform::Control& control) {
        const auto [x, y] = testing_support::Pointer::centreOf(control);
        return form.toolTipAt(x, y).value_or("<none>");
    };
    EXPECT_EQ(tipAt(c().imgOpt[0]), " PAPEL ");
    EXPECT_EQ(tipAt(c().imgOpt[1]), " TIJERAS ");
    EXPECT_EQ(tipAt(c().imgOpt[2]), " PIEDRA ");
    EXPECT_EQ(tipAt(c().cmdAbout), " Acerca del juego. ");
    pointer.click(c().imgOpt[0]);
    EXPECT_EQ(tipAt(c().Image1), " JUGAR DE NUEVO. ");
    EXPECT_EQ(tipAt(c().lblGame), "<none>");
}

}  // namespace

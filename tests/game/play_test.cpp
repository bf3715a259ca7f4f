#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "program_test.h"

namespace {

using platform::Picture;

// Draws that give each computer figure: below 1/3 rock, then paper, then scissors.
constexpr float kDrawsRock = 0.1F;
constexpr float kDrawsPaper = 0.5F;
constexpr float kDrawsScissors = 0.9F;

// One column of the window's state table: what shows.
struct Shown {
    const char* status;
    bool startLabel;
    bool options;       // option pictures and shapes, lblVS, cmdAbout
    bool handsShaking;  // both hands shown, their timer running
};

constexpr Shown kWelcome{"BIENVENIDO", true, false, false};
constexpr Shown kChoosing{"ELIGE UNA FIGURA", false, true, false};
constexpr Shown kShaking{"", false, true, true};

class PlayTest : public MainWindowTest {
  protected:
    void expectShown(const Shown& shown) {
        EXPECT_EQ(c().lblGame.Caption.get(), shown.status);
        EXPECT_EQ(c().lblPlay[0].Visible.get(), shown.startLabel);
        for (const platform::Control* option : std::vector<const platform::Control*>{
                 &c().imgOpt[0], &c().imgOpt[1], &c().imgOpt[2], &c().shpOpt1, &c().shpOpt2,
                 &c().shpOpt3, &c().lblVS, &c().cmdAbout}) {
            EXPECT_EQ(option->Visible.get(), shown.options);
        }
        EXPECT_EQ(c().Image1.Visible.get(), shown.handsShaking);
        EXPECT_EQ(c().Image2.Visible.get(), shown.handsShaking);
        EXPECT_EQ(c().tmrHands.Enabled.get(), shown.handsShaking);
    }
    std::string tipAt(const platform::Control& control) {
        const auto [x, y] = centreOf(control);
        return principal().toolTipAt(x, y).value_or("<none>");
    }
};

// The start panel opens the first play like its label; later, nothing. The
// hands take every click over what lies beneath them; the computer's cycles
// each tick and shows its draw on the sixth; only then does the player's hand
// open the next play, keeping score and pictures.
TEST_F(PlayTest, startAndAPictureGoFromWelcomeThroughChoosingToShakingToTheVerdict) {
    const auto panelCorner = [&] {
        const platform::PixelRect r = c().lblPlay[1].pixelRect();
        clickAt(principal(), r.x + 2, r.y + r.height - 3);
    };
    expectShown(kWelcome);
    EXPECT_FALSE(principal().Playing);

    panelCorner();
    expectShown(kChoosing);
    EXPECT_TRUE(principal().Playing);
    panelCorner();
    expectShown(kChoosing);
    EXPECT_EQ(tipAt(c().imgOpt[0]), " PAPEL ");  // tool tips keep their blanks
    EXPECT_EQ(tipAt(c().cmdAbout), " Acerca del juego. ");

    rt.random.script({kDrawsPaper});
    click(c().imgOpt[1]);
    expectShown(kShaking);
    EXPECT_EQ(tipAt(c().Image1), " JUGAR DE NUEVO. ");
    EXPECT_EQ(tipAt(c().lblGame), "<none>");
    const Picture paper = c().imgVs1.Picture;
    const Picture scissors = c().imgVs2.Picture;
    const Picture rock = c().imgVs3.Picture;
    std::vector<Picture> shown = {c().Image2.Picture};
    for (int tick = 1; tick <= 5; ++tick) {
        ticks(1);
        click(c().Image1);
        click(c().cmdAbout);
        panelCorner();
        shown.push_back(c().Image2.Picture);
        expectShown(kShaking);
    }
    EXPECT_TRUE(rt.aboutBox.shown.empty());
    EXPECT_EQ(shown, (std::vector<Picture>{rock, paper, scissors, rock, paper, scissors}));

    ticks(1);
    EXPECT_EQ(c().Image2.Picture.get(), paper);
    EXPECT_FALSE(c().tmrHands.Enabled);
    EXPECT_EQ(principal().TickCount, 0);
    EXPECT_EQ(rt.random.randomizeCalls, 1);
    ticks(10);  // no seventh tick: the score and the pictures below stay
    panelCorner();
    EXPECT_EQ(c().lblGame.Caption.get(), "GANASTE");

    click(c().Image1);
    expectShown(kChoosing);
    EXPECT_EQ(c().lblWin.Caption.get(), "1");
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[1].Picture.get());
    EXPECT_EQ(c().Image2.Picture.get(), paper);
}

// A press clicks what it went down on wherever let go, even outside the window.
TEST_F(PlayTest, startLabelOpensThePlayWithAButtonLetGoOutsideTheWindow) {
    const auto [x, y] = centreOf(c().lblPlay[0]);
    principal().mouseDown(x, y, platform::kRightButton, 0);
    principal().mouseUp(-20, -20, platform::kRightButton, 0);
    expectShown(kChoosing);
}

// Digits choose by keypad column while the hands are still, and every key is
// swallowed; while they shake, keys are left as they came.
TEST_F(PlayTest, digitsChooseByKeypadColumnWhileTheHandsAreStillAndNoShortcutKeyIsHeld) {
    for (const int other : {int{'0'}, int{'a'}, int{'\r'}, 255}) {
        EXPECT_EQ(key(other), 0) << other;
        expectShown(kWelcome);
    }
    const std::string columns = "741852963";  // paper, scissors and rock, three keys each
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int figure = static_cast<int>(i / 3);
        EXPECT_EQ(key(columns[i]), 0);
        EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[figure].Picture.get()) << columns[i];
        EXPECT_EQ(key('8'), '8');
        EXPECT_EQ(principal().Choice, figure);
        ticks(6);
    }
    // A key typing no one-byte character, or one held with Ctrl, Alt or the
    // logo key (a shortcut of the desktop's), is not the window's; AltGr types.
    for (const auto& [name, typed, plays] :
         std::initializer_list<std::tuple<const char*, platform::TypedKey, bool>>{
             {"plain", {.character = U'5'}, true},
             {"ctrl", {.character = U'5', .ctrl = true}, false},
             {"alt", {.character = U'5', .alt = true}, false},
             {"logo", {.character = U'5', .meta = true}, false},
             {"altGr", {.character = U'5', .ctrl = true, .alt = true, .altGraph = true}, true},
             {"altGrWithLogo", {.character = U'5', .meta = true, .altGraph = true}, false},
             {"noCharacter", {}, false},
             {"beyondOneByte", {.character = U'\u0135'}, false}}) {
        reload(principal());
        EXPECT_EQ(principal().keyTyped(typed), plays) << name;
        EXPECT_EQ(c().tmrHands.Enabled.get(), plays) << name;
    }
}

// Keys 7, 8 and 9 choose paper, scissors and rock; each row plays eleven times
// in a row from the decided state, so a counter reads 10, then 11, or stays 0.
TEST_F(PlayTest, allNinePairsGiveTheirVerdictAndAdvanceOneCounterPastNine) {
    // The digit, the draw, the verdict, wins-losses after ten plays and after eleven.
    const std::initializer_list<std::tuple<char, float, const char*, const char*>> pairs{
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
// from the tick reached. The hands and the slide wait while the About box is
// open, then go on a tick at a time.
TEST_F(PlayTest, handClickDuringAKeyStartedPlayOpensANewPlayWhileTheHandsRunOn) {
    rt.random.script({kDrawsRock, kDrawsRock});
    key('8');
    EXPECT_TRUE(c().lblPlay[0].Visible);
    EXPECT_FALSE(c().imgOpt[1].Visible);
    click(c().Image1);
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
    EXPECT_FALSE(c().Image1.Visible);
    EXPECT_TRUE(c().tmrHands.Enabled);

    const platform::Twips top = principal().Top;
    std::string statusWhileOpen;
    platform::Twips topWhileOpen = 0;
    rt.aboutBox.whileOpen = [&] {
        rt.clock.advance(2000);
        statusWhileOpen = c().lblGame.Caption;
        topWhileOpen = principal().Top;
    };
    click(c().cmdAbout);
    EXPECT_EQ(statusWhileOpen, "ELIGE UNA FIGURA");
    EXPECT_EQ(topWhileOpen, top);
    EXPECT_EQ(principal().Top.get(), top - 60);
    EXPECT_EQ(principal().TickCount, 1);
    ticks(1);
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

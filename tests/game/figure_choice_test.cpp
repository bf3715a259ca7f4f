#include <QKeyEvent>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "program_test.h"

namespace {

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

class FigureChoiceTest : public MainWindowTest {
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
};

// The start panel opens the first play like its label; later, nothing.
TEST_F(FigureChoiceTest, startAndAPictureGoFromWelcomeThroughChoosingToShaking) {
    const auto panelCorner = [&] {
        const platform::PixelRect r = c().lblPlay[1].pixelRect();
        clickAt(principal(), r.x + 2, r.y + r.height - 3);
    };
    EXPECT_EQ(principal().Caption.get(), "ZUMBILO");
    expectShown(kWelcome);
    EXPECT_FALSE(principal().Playing);

    panelCorner();
    expectShown(kChoosing);
    EXPECT_TRUE(principal().Playing);
    panelCorner();
    expectShown(kChoosing);

    click(c().imgOpt[1]);
    expectShown(kShaking);
    EXPECT_EQ(principal().PlayerValue, 2);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[1].Picture.get());
    EXPECT_EQ(c().Image2.Picture.get(), c().imgVs3.Picture.get());

    // The hands now take every click over what lies beneath them.
    click(c().cmdAbout);
    panelCorner();
    EXPECT_TRUE(rt.aboutBox.shown.empty());
    EXPECT_EQ(principal().Choice, 1);
    expectShown(kShaking);
    ticks(6);
    const std::string verdict = c().lblGame.Caption;
    panelCorner();
    EXPECT_EQ(c().lblGame.Caption.get(), verdict);
}

TEST_F(FigureChoiceTest, startLabelOpensThePlayWithAnyButtonLetGoAnywhere) {
    const auto [x, y] = centreOf(c().lblPlay[0]);
    const auto [statusX, statusY] = centreOf(c().lblGame);
    for (const auto& [button, releaseX, releaseY] :
         {std::tuple{platform::kMiddleButton, x, y},
          std::tuple{platform::kLeftButton, statusX, statusY},
          std::tuple{platform::kRightButton, -20, -20}}) {
        reload(principal());
        principal().mouseDown(x, y, button, 0);
        principal().mouseUp(releaseX, releaseY, button, 0);
        expectShown(kChoosing);
    }
}

// Digits choose by keypad column while the hands are still, and every key is
// swallowed; while they shake, keys are left as they came.
TEST_F(FigureChoiceTest, digitsChooseByKeypadColumnOnlyWhileTheHandsAreStill) {
    for (const int other : {int{'0'}, int{'a'}, int{'\r'}, 255}) {
        key(other);
        EXPECT_EQ(lastKeyResult, 0) << other;
        expectShown(kWelcome);
    }
    const std::string columns = "741852963";  // paper, scissors and rock, three keys each
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int figure = static_cast<int>(i / 3);
        key(columns[i]);
        EXPECT_EQ(lastKeyResult, 0);
        EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[figure].Picture.get()) << columns[i];
        key('8');
        EXPECT_EQ(lastKeyResult, '8');
        EXPECT_EQ(principal().Choice, figure);
        ticks(6);
    }
}

// With Ctrl, Alt or the logo key, digits are the desktop's shortcuts.
TEST_F(FigureChoiceTest, digitsHeldWithShortcutModifiersDoNotPlay) {
    const std::vector<std::pair<Qt::KeyboardModifier, bool>> cases{
        {Qt::NoModifier, true},      {Qt::KeypadModifier, true}, {Qt::GroupSwitchModifier, true},
        {Qt::ShiftModifier, true},   {Qt::AltModifier, false},   {Qt::MetaModifier, false},
        {Qt::ControlModifier, false}};
    for (const auto& [modifiers, plays] : cases) {
        reload(principal());
        QKeyEvent five(QEvent::KeyPress, Qt::Key_5, modifiers, QStringLiteral("5"));
        QCoreApplication::sendEvent(windowOf(principal()), &five);
        EXPECT_EQ(c().tmrHands.Enabled.get(), plays) << modifiers;
    }
}

TEST_F(FigureChoiceTest, toolTipsKeepTheirBlanks) {
    click(c().lblPlay[0]);
    const auto tipAt = [&](const platform::Control& control) {
        const auto [x, y] = centreOf(control);
        return principal().toolTipAt(x, y).value_or("<none>");
    };
    EXPECT_EQ(tipAt(c().imgOpt[0]), " PAPEL ");
    EXPECT_EQ(tipAt(c().imgOpt[1]), " TIJERAS ");
    EXPECT_EQ(tipAt(c().imgOpt[2]), " PIEDRA ");
    EXPECT_EQ(tipAt(c().cmdAbout), " Acerca del juego. ");
    click(c().imgOpt[0]);
    EXPECT_EQ(tipAt(c().Image1), " JUGAR DE NUEVO. ");
    EXPECT_EQ(tipAt(c().lblGame), "<none>");
}

}  // namespace

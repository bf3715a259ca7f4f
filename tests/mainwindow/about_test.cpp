#include "mainwindow/about.h"
#include "game/game_test_fixture.h"

namespace {

TEST(AboutText, isTheMakerThenTitleAndVersionWithOneCrLfAndNothingAfter) {
    const std::string text = mainwindow::aboutText(3, 5);
    EXPECT_EQ(text, "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5");
    EXPECT_EQ(text.find('\n'), text.rfind('\n'));
    EXPECT_EQ(mainwindow::aboutText(3, 12), "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.12");
}

class AboutBoxTest : public MainWindowTest {};

TEST_F(AboutBoxTest, questionMarkOpensTheBoxWithTitleTextAndIconEachTime) {
    pointer.click(c().cmdAbout);  // hidden before the first new play
    EXPECT_TRUE(rt.aboutBox.shown.empty());

    pointer.click(c().lblPlay[0]);
    pointer.click(c().cmdAbout);
    pointer.click(c().cmdAbout);
    ASSERT_EQ(rt.aboutBox.shown.size(), 2U);
    for (const auto& shown : rt.aboutBox.shown) {
        EXPECT_EQ(shown.owner, &form);
        EXPECT_EQ(shown.title, "Zumbilo");
        EXPECT_EQ(shown.text, "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5");
        EXPECT_FALSE(shown.icon.empty());
        EXPECT_EQ(shown.icon, form.Icon());
    }
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
}

// Nothing of the game changes while the box is open: a running hands
// animation and the slide wait for it to close, then go on a tick at a time.
TEST_F(AboutBoxTest, theHandsAndTheSlideWaitWhileTheBoxIsOpen) {
    key('5');
    pointer.click(c().Image1);  // Playing is False: a new play opens while the hands go on
    const platform::Twips top = form.Top;
    std::string statusWhileOpen;
    platform::Twips topWhileOpen = 0;
    rt.aboutBox.whileOpen = [&] {
        rt.clock.advance(2000);
        statusWhileOpen = c().lblGame.Caption;
        topWhileOpen = form.Top;
    };
    pointer.click(c().cmdAbout);
    EXPECT_EQ(statusWhileOpen, "ELIGE UNA FIGURA");
    EXPECT_EQ(topWhileOpen, top);
    EXPECT_EQ(form.Top.get(), top - 60);
    EXPECT_EQ(form.TickCount, 1);
    ticks(5);
    EXPECT_EQ(c().lblGame.Caption.get(), "GANASTE");  // scissors against the scripted paper
}

}  // namespace

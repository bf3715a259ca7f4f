#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "program_test.h"

namespace {

using platform::kFixedSingle;
using platform::kLeftButton;
using platform::kNoBorder;

class PointerFeedbackTest : public MainWindowTest {
  protected:
    // The dark text buttons ('p'lay, 'r'eset, 'a'bout) and solid shapes ('1' to '3').
    std::string hover() {
        constexpr auto kDark = platform::RGB(64, 0, 0);
        const auto lit = [](bool on, char name) { return on ? std::string(1, name) : ""; };
        return lit(c().lblPlay[0].ForeColor == kDark, 'p') +
               lit(c().lblReset[0].ForeColor == kDark, 'r') +
               lit(c().cmdAbout.ForeColor == kDark, 'a') +
               lit(c().shpOpt1.FillStyle == platform::kFillSolid, '1') +
               lit(c().shpOpt2.FillStyle == platform::kFillSolid, '2') +
               lit(c().shpOpt3.FillStyle == platform::kFillSolid, '3');
    }

    static std::pair<int, int> panelRim(const platform::Label& panel) {
        const platform::PixelRect r = panel.pixelRect();
        return {r.x + 3, r.y + r.height - 4};
    }
};

// Passive areas clear everything, a text button or its panel darkens its label
// alone, a figure fills its own shape and leaves the labels as they were.
TEST_F(PointerFeedbackTest, eachMoveLeavesTheHoverStateOfItsTable) {
    click(c().lblPlay[0]);  // the options are shown from the first new play on
    const auto moveThrough =
        [&](const std::vector<std::pair<std::pair<int, int>, std::string>>& moves) {
            for (const auto& [at, expected] : moves) {
                principal().mouseMove(at.first, at.second, 0, 0);
                EXPECT_EQ(hover(), expected) << at.first << "," << at.second;
            }
        };
    moveThrough({{centreOf(c().lblReset[0]), "r"},
                 {centreOf(c().cmdAbout), "a"},
                 {centreOf(c().imgOpt[0]), "a1"},
                 {centreOf(c().imgOpt[2]), "a3"},
                 {centreOf(c().lblGame), ""},
                 {centreOf(c().imgOpt[1]), "2"},
                 {centreOf(c().lblWin), ""},
                 {panelRim(c().lblPlay[1]), "p"},  // the start label is hidden by now
                 {centreOf(c().lblLose), ""},
                 {panelRim(c().lblReset[1]), "r"},
                 {centreOf(c().imgOpt[1]), "r2"},
                 {centreOf(c().lblVS), ""},
                 {centreOf(c().imgOpt[0]), "1"},
                 {{200, 4}, ""}});  // the window's own surface
    // A held button keeps the moves on the control it went down on.
    const auto [x, y] = centreOf(c().imgOpt[1]);
    const auto [toX, toY] = centreOf(c().lblReset[0]);
    principal().mouseDown(x, y, kLeftButton, 0);
    principal().mouseMove(toX, toY, kLeftButton, 0);
    principal().mouseUp(toX, toY, kLeftButton, 0);
    EXPECT_EQ(hover(), "2");
    moveThrough({{{toX, toY}, "2"}, {centreOf(c().Image1), "2"}});  // covered: reaches Image2
    EXPECT_EQ(c().lblPlay[1].ForeColor.get(), platform::RGB(0, 0, 0));
}

// Any button borders what it presses until it is let go, wherever (for a
// label, its panel); back and forward buttons press and capture nothing.
TEST_F(PointerFeedbackTest, pressBordersComeWithAnyButtonAndGoAtTheRelease) {
    int borderAtRestart = -1;
    c().lblReset.onClick = [&](int /*index*/) { borderAtRestart = c().lblReset[1].BorderStyle; };
    using Point = std::pair<int, int>;
    const Point play = centreOf(c().lblPlay[0]);
    const Point reset = centreOf(c().lblReset[0]);
    const Point hand = centreOf(c().Image1);
    const Point panel{c().lblPlay[1].pixelRect().x + 3, c().lblPlay[1].pixelRect().y + 3};
    for (const auto& [at, up, button, pressed, held] :
         std::initializer_list<std::tuple<Point, Point, int, const platform::PointerControl*, int>>{
             {play, play, kLeftButton, &c().lblPlay[1], kFixedSingle},
             {panel, panel, kLeftButton, &c().lblPlay[1], kNoBorder},  // the label gone
             {reset, reset, platform::kMiddleButton, &c().lblReset[1], kFixedSingle},
             {{132, 70}, {132, 70}, platform::kRightButton, &c().imgOpt[1], kFixedSingle},
             {hand, {-50, 900}, kLeftButton, &c().Image1, kFixedSingle},
             {hand, hand, 8, &c().Image1, kNoBorder}}) {
        SCOPED_TRACE(testing::Message() << at.first << "," << at.second);
        principal().mouseDown(at.first, at.second, button, 0);
        EXPECT_EQ(pressed->BorderStyle.get(), held);
        EXPECT_EQ(c().lblReset[0].BorderStyle.get(), kNoBorder);
        principal().mouseUp(up.first, up.second, button, 0);
        EXPECT_EQ(pressed->BorderStyle.get(), kNoBorder);
    }
    EXPECT_EQ(borderAtRestart, kNoBorder);
    moveTo(c().lblGame);
    EXPECT_EQ(hover(), "");
}

}  // namespace

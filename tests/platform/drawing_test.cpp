#include <algorithm>
#include <set>
#include <utility>
#include <variant>
#include <vector>

#include "platform/runtime/drawing.h"
#include "program_test.h"

namespace {

using platform::DrawOp;
using platform::FilledRect;
using platform::Mix;
using platform::PixelRect;
using platform::PlacedPicture;
using platform::Scale;
using platform::TextRun;

template <class Op>
std::vector<Op> opsOf(const std::vector<DrawOp>& ops) {
    std::vector<Op> found;
    for (const DrawOp& op : ops) {
        if (const auto* one = std::get_if<Op>(&op)) {
            found.push_back(*one);
        }
    }
    return found;
}

using DrawingTest = MainWindowTest;

// At one and a half times, the panel's frame is four bands that tile its
// one-pixel ring scaled, none over another; a hovered figure's shape masks
// after its picture; captions grow with the scale; the computer's hand is the
// player's mirrored; and a clip leaves out what lies wholly outside it.
TEST_F(DrawingTest, primitivesAtAScaleInPaintOrder) {
    const Scale scale = Scale::fromFactor(1.5);
    click(c().lblPlay[0]);
    moveTo(c().imgOpt[1]);
    const PixelRect whole{0, 0, 626, 338};
    const std::vector<DrawOp> ops = platform::drawForm(principal(), scale, whole);
    ASSERT_EQ(std::get<FilledRect>(ops.front()).area, whole);

    const PixelRect panel = scale.toScreen(c().Shape1.pixelRect());
    std::set<std::pair<int, int>> ring;
    int painted = 0;
    for (const FilledRect& fill : opsOf<FilledRect>(ops)) {
        const bool band =
            fill.colour == platform::RGB(64, 0, 0) && fill.mix == Mix::Copy &&
            fill.area.x >= panel.x && fill.area.x + fill.area.width <= panel.x + panel.width &&
            fill.area.y >= panel.y && fill.area.y + fill.area.height <= panel.y + panel.height;
        for (int y = fill.area.y; band && y < fill.area.y + fill.area.height; ++y) {
            for (int x = fill.area.x; x < fill.area.x + fill.area.width; ++x) {
                ring.emplace(x, y);
                ++painted;
            }
        }
    }
    const PixelRect inner = scale.toScreen({9, 49, 167, 167});
    EXPECT_EQ(painted, static_cast<int>(ring.size()));
    EXPECT_EQ(painted, panel.width * panel.height - inner.width * inner.height);

    const auto picture = std::find_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        const auto* placed = std::get_if<PlacedPicture>(&op);
        return placed != nullptr && placed->picture == c().imgOpt[1].Picture.get();
    });
    const auto mask = std::find_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        const auto* fill = std::get_if<FilledRect>(&op);
        return fill != nullptr && fill->mix == Mix::And &&
               fill->colour == platform::RGB(192, 192, 192);
    });
    ASSERT_NE(mask, ops.end());
    EXPECT_LT(picture, mask);
    EXPECT_EQ(std::get<FilledRect>(*mask).area, scale.toScreen(c().imgOpt[1].pixelRect()));

    const std::vector<TextRun> texts = opsOf<TextRun>(ops);
    const auto status = std::find_if(texts.begin(), texts.end(), [](const TextRun& text) {
        return text.text == "ELIGE UNA FIGURA";
    });
    ASSERT_NE(status, texts.end());
    EXPECT_EQ(status->pixelSize, 32);  // 15.75 points: 21 pixels, 31.5 at this scale
    EXPECT_EQ(status->face, "Segoe Print");

    key('7');
    ticks(6);
    const auto hands = opsOf<PlacedPicture>(platform::drawForm(principal(), scale, whole));
    ASSERT_GE(hands.size(), 2U);
    EXPECT_EQ(hands.back().picture, c().imgOpt[0].Picture.get());
    EXPECT_EQ(hands.at(hands.size() - 2).picture, c().imgOpt[0].Picture.get().mirrored());

    const auto strip = platform::drawForm(principal(), scale, scale.toScreen({0, 0, 417, 40}));
    EXPECT_TRUE(opsOf<PlacedPicture>(strip).empty());
}

// A hands tick repaints the computer's hand alone; writing a property the
// value it already has, or moving the window, repaints nothing.
TEST_F(DrawingTest, onlyWhatChangesIsRepainted) {
    rt.clock.advance(200);  // let the slide finish
    key('8');
    auto& repainted = testing_support::RecordingWindowSystem::viewOf(principal()).repainted;
    repainted.clear();
    ticks(1);
    ASSERT_FALSE(repainted.empty());
    const PixelRect hand = c().Image2.pixelRect();
    for (const PixelRect& r : repainted) {
        EXPECT_TRUE(r.x >= hand.x - 1 && r.y >= hand.y - 1 &&
                    r.x + r.width <= hand.x + hand.width + 1 &&
                    r.y + r.height <= hand.y + hand.height + 1)
            << r.x << "," << r.y << " " << r.width << "x" << r.height;
    }

    repainted.clear();
    c().lblGame.Caption = "";
    c().lblPlay[1].BackColor = platform::RGB(240, 28, 36);
    principal().Top = principal().Top - 60;
    EXPECT_TRUE(repainted.empty());
}

}  // namespace

#include <gtest/gtest.h>

#include <QImage>

#include "platform/form_painter.h"
#include "test_form.h"
#include "test_runtime.h"

namespace {

using platform::RGB;

class PainterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rt.runtime.dispatch([this] { form.Show(); });
        auto& c = form.c();
        c.cover.Visible = false;
        c.frontLabel.Visible = false;
        c.frame.Visible = false;
        c.pair[0].Visible = false;
        c.pair[1].Visible = false;
        form.BackColor = RGB(10, 20, 30);
    }

    QColor at(int x, int y, double scale = 1.0) const {
        const QImage image = platform::renderForm(form, scale);
        return image.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
    }

    testing_support::TestRuntime rt;
    TestForm form{rt.runtime};
};

TEST_F(PainterTest, formBackgroundShowsWhereNoControlIs) {
    EXPECT_EQ(at(5, 5), QColor(10, 20, 30));
}

TEST_F(PainterTest, opaqueLabelFillsItsRectangleAndTransparentOneDoesNot) {
    auto& label = form.c().frontLabel;
    label.Visible = true;
    label.Caption = "";
    label.BackColor = RGB(250, 250, 250);
    EXPECT_EQ(at(0, 0), QColor(250, 250, 250));
    EXPECT_EQ(at(99, 99), QColor(250, 250, 250));
    EXPECT_EQ(at(100, 100), QColor(10, 20, 30));
    label.BackStyle = platform::kTransparent;
    EXPECT_EQ(at(0, 0), QColor(10, 20, 30));
}

TEST_F(PainterTest, picturesOfEitherSizeFillTheirRectangleExactly) {
    auto& image = form.c().backImage;  // 100 x 100 pixels at (50, 50)
    for (const char* name : {"hand_paper.bmp", "hand_rock.bmp"}) {
        image.Picture = platform::Picture::fromResource(name);
        const QImage drawn = platform::renderForm(form);
        for (const auto& [x, y] : {std::pair{50, 50}, {149, 50}, {50, 149}, {149, 149}}) {
            EXPECT_EQ(drawn.pixelColor(x, y), QColor(255, 255, 255))
                << name << " " << x << "," << y;
        }
        EXPECT_EQ(drawn.pixelColor(49, 100), QColor(10, 20, 30));
        EXPECT_EQ(drawn.pixelColor(150, 100), QColor(10, 20, 30));
    }
}

TEST_F(PainterTest, fixedSingleBorderIsOneBlackPixelInside) {
    auto& image = form.c().backImage;
    image.Picture = platform::Picture::fromResource("hand_paper.bmp");
    image.BorderStyle = platform::kFixedSingle;
    EXPECT_EQ(at(50, 100), QColor(0, 0, 0));
    EXPECT_EQ(at(149, 100), QColor(0, 0, 0));
    EXPECT_EQ(at(51, 100), QColor(255, 255, 255));
}

TEST_F(PainterTest, insideOutlineStaysWithinTheShapesRectangle) {
    auto& frame = form.c().frame;  // 200 x 200 at the corner
    frame.Visible = true;
    frame.BorderStyle = platform::kOutlineInsideSolid;
    frame.BorderColor = RGB(64, 0, 0);
    frame.BorderWidth = 3;
    EXPECT_EQ(at(0, 100), QColor(64, 0, 0));
    EXPECT_EQ(at(2, 100), QColor(64, 0, 0));
    EXPECT_EQ(at(3, 100), QColor(10, 20, 30));
    EXPECT_EQ(at(199, 100), QColor(64, 0, 0));
    EXPECT_EQ(at(200, 100), QColor(10, 20, 30));
}

TEST_F(PainterTest, opaqueShapeFillsWithItsBackColour) {
    auto& frame = form.c().frame;
    frame.Visible = true;
    frame.BackStyle = platform::kOpaque;
    frame.BackColor = RGB(240, 28, 36);
    EXPECT_EQ(at(100, 100), QColor(240, 28, 36));
}

// The figure highlight: a solid fill drawn with the mask rule greys white
// and leaves black black, and the outline ANDs onto the picture's edge.
TEST_F(PainterTest, maskShapeGreysWhiteKeepsBlackAndOutlinesInDarkRed) {
    auto& c = form.c();
    c.backImage.Picture = platform::Picture::fromResource("hand_scissors.bmp");
    c.frame.Visible = true;
    c.frame.Left = 750;
    c.frame.Top = 750;
    c.frame.Width = 1500;
    c.frame.Height = 1500;
    c.frame.BorderColor = RGB(64, 0, 0);
    c.frame.FillColor = RGB(192, 192, 192);
    c.frame.FillStyle = platform::kFillSolid;
    c.frame.DrawMode = platform::kDrawMaskPen;

    const QImage plain = [&] {
        c.frame.Visible = false;
        QImage image = platform::renderForm(form);
        c.frame.Visible = true;
        return image;
    }();
    const QImage masked = platform::renderForm(form);
    int whites = 0;
    int blacks = 0;
    for (int y = 51; y < 149; ++y) {
        for (int x = 51; x < 149; ++x) {
            const QColor before = plain.pixelColor(x, y);
            const QColor after = masked.pixelColor(x, y);
            EXPECT_EQ(after, QColor(before.red() & 192, before.green() & 192, before.blue() & 192));
            whites += before == Qt::white ? 1 : 0;
            blacks += before == Qt::black && after == Qt::black ? 1 : 0;
        }
    }
    EXPECT_GT(whites, 1000);
    EXPECT_GT(blacks, 100);
    EXPECT_EQ(masked.pixelColor(50, 100), QColor(64, 0, 0));
    EXPECT_EQ(masked.pixelColor(149, 100), QColor(64, 0, 0));
}

TEST_F(PainterTest, oneDipOutlinesAndPlacesHoldAtScaleTwo) {
    auto& frame = form.c().frame;
    frame.Visible = true;
    frame.BorderColor = RGB(64, 0, 0);
    const QImage image = platform::renderForm(form, 2.0);
    EXPECT_EQ(image.size(), QSize(600, 400));
    EXPECT_EQ(image.pixelColor(0, 200), QColor(64, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 200), QColor(64, 0, 0));
    EXPECT_EQ(image.pixelColor(2, 200), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(399, 200), QColor(64, 0, 0));
    EXPECT_EQ(image.pixelColor(400, 200), QColor(10, 20, 30));
}

}  // namespace

#include "platform/runtime/drawing.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/runtime/codes.h"
#include "platform/runtime/faces.h"
#include "platform/runtime/form.h"
#include "platform/runtime/image.h"
#include "platform/runtime/label.h"
#include "platform/runtime/shape.h"

namespace platform {

namespace {

bool intersects(const PixelRect& a, const PixelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

PixelRect grown(const PixelRect& r, int by) {
    return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by};
}

// FillStyle 2 to 7.
constexpr std::array kHatches{Hatch::Horizontal,       Hatch::Vertical, Hatch::UpwardDiagonal,
                              Hatch::DownwardDiagonal, Hatch::Cross,    Hatch::DiagonalCross};
constexpr int kFirstHatch = 2;

class OpsBuilder final : public ControlVisitor {
  public:
    OpsBuilder(const Scale& scale, std::vector<DrawOp>& ops) : scale_(scale), ops_(ops) {}

    void visit(const Label& label) override {
        const PixelRect r = label.pixelRect();
        if (label.BackStyle == kOpaque) {
            fill(r, label.BackColor, Mix::Copy);
        }
        if (!label.Caption.get().empty()) {
            const Font& font = label.Font;
            ops_.emplace_back(TextRun{.text = label.Caption,
                                      .face = font.Name,
                                      .pixelSize = static_cast<int>(
                                          std::lround(pixelSizeOf(font.Size) * scale_.factor())),
                                      .bold = font.Bold,
                                      .underline = font.Underline,
                                      .colour = label.ForeColor,
                                      .box = scale_.toScreen(r)});
        }
        border(label.BorderStyle, r);
    }

    void visit(const Image& image) override {
        const PixelRect r = image.pixelRect();
        if (!image.Picture.get().empty()) {
            ops_.emplace_back(PlacedPicture{image.Picture, scale_.toScreen(r)});
        }
        border(image.BorderStyle, r);
    }

    void visit(const Shape& shape) override {
        const PixelRect r = shape.pixelRect();
        const Mix mix = shape.DrawMode == kDrawMaskPen ? Mix::And : Mix::Copy;
        if (shape.BackStyle == kOpaque) {
            fill(r, shape.BackColor, mix);
        }
        if (shape.FillStyle == kFillSolid) {
            fill(r, shape.FillColor, mix);
        }
        const int hatch = shape.FillStyle - kFirstHatch;
        if (hatch >= 0 && hatch < static_cast<int>(kHatches.size())) {
            ops_.emplace_back(HatchedRect{scale_.toScreen(r),
                                          kHatches.at(static_cast<std::size_t>(hatch)),
                                          shape.FillColor, mix});
        }
        if (shape.BorderStyle != kOutlineNone) {
            // An inside outline grows inward; a plain one straddles the edge.
            const int width = std::max(1, shape.BorderWidth.get());
            const int outward = shape.BorderStyle == kOutlineInsideSolid ? 0 : (width - 1) / 2;
            frame(grown(r, outward), width, shape.BorderColor, mix);
        }
    }

  private:
    void fill(const PixelRect& formRect, Color colour, Mix mix) {
        const PixelRect r = scale_.toScreen(formRect);
        if (r.width > 0 && r.height > 0) {
            ops_.emplace_back(FilledRect{r, colour, mix});
        }
    }

    // Four bands of the given width along the inside of the rectangle, laid
    // edge to edge, so that no pixel is drawn twice (which would matter when
    // masking), and scaled as bands, so that they stay edge to edge.
    void frame(const PixelRect& r, int width, Color colour, Mix mix) {
        const int w = std::min({width, r.width, r.height});
        if (w <= 0) {
            return;
        }
        fill({r.x, r.y, r.width, w}, colour, mix);
        fill({r.x, r.y + r.height - w, r.width, w}, colour, mix);
        fill({r.x, r.y + w, w, r.height - 2 * w}, colour, mix);
        fill({r.x + r.width - w, r.y + w, w, r.height - 2 * w}, colour, mix);
    }

    void border(int borderStyle, const PixelRect& r) {
        if (borderStyle == kFixedSingle) {
            frame(r, 1, RGB(0, 0, 0), Mix::Copy);
        }
    }

    const Scale& scale_;
    std::vector<DrawOp>& ops_;
};

}  // namespace

std::vector<DrawOp> drawForm(const Form& form, const Scale& scale, const PixelRect& clip) {
    std::vector<DrawOp> ops{FilledRect{clip, form.BackColor}};
    OpsBuilder builder(scale, ops);
    // One pixel of slack covers outlines that straddle a control's edge.
    const PixelRect shown = scale.coveredBy(clip);
    const auto& controls = form.controls();
    // Back to front. Not std::views::reverse: clang 14 cannot compile it
    // against libstdc++ 12.
    std::for_each(controls.rbegin(), controls.rend(), [&](const Control* control) {
        if (control->Visible && intersects(shown, grown(control->pixelRect(), 1))) {
            control->accept(builder);
        }
    });
    return ops;
}

}  // namespace platform

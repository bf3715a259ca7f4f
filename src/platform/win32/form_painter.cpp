#include "platform/win32/form_painter.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/runtime/form.h"
#include "platform/runtime/image.h"
#include "platform/runtime/label.h"
#include "platform/runtime/shape.h"
#include "platform/win32/font_store.h"
#include "platform/win32/form_window.h"
#include "platform/win32/picture_store.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

RECT toRect(const PixelRect& r) {
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

bool intersects(const PixelRect& a, const PixelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Fills the rectangle under the DC's mix mode (copy, or AND with what lies
// behind), leaving the gaps of a hatched brush as they were.
void fill(HDC dc, const PixelRect& r, HBRUSH brush) {
    if (r.width <= 0 || r.height <= 0) {
        return;
    }
    const Selected noPen(dc, GetStockObject(NULL_PEN));
    const Selected selected(dc, brush);
    // In the advanced graphics mode the painter draws in, a rectangle
    // without a pen covers its left and top edges and stops short of its
    // right and bottom ones, exactly as a PixelRect.
    Rectangle(dc, r.x, r.y, r.x + r.width, r.y + r.height);
}

// Four bands of the given width along the inside of the rectangle, laid edge
// to edge so that no pixel is drawn twice (which would matter when masking).
void fillFrame(HDC dc, const PixelRect& r, int width, HBRUSH brush) {
    const int w = std::min({width, r.width, r.height});
    if (w <= 0) {
        return;
    }
    fill(dc, {r.x, r.y, r.width, w}, brush);
    fill(dc, {r.x, r.y + r.height - w, r.width, w}, brush);
    fill(dc, {r.x, r.y + w, w, r.height - 2 * w}, brush);
    fill(dc, {r.x + r.width - w, r.y + w, w, r.height - 2 * w}, brush);
}

// FillStyle 2 to 7: horizontal, vertical, upward and downward diagonal
// lines, a cross and a diagonal cross.
OwnedBrush fillBrush(int fillStyle, COLORREF colour) {
    constexpr std::array kHatches = {HS_HORIZONTAL, HS_VERTICAL, HS_BDIAGONAL,
                                     HS_FDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
    constexpr int kFirstHatch = 2;
    if (fillStyle == kFillSolid) {
        return solidBrush(colour);
    }
    const int hatch = fillStyle - kFirstHatch;
    if (hatch < 0 || hatch >= static_cast<int>(kHatches.size())) {
        return {};
    }
    return OwnedBrush(CreateHatchBrush(kHatches.at(static_cast<std::size_t>(hatch)), colour));
}

class MixMode {
  public:
    MixMode(HDC dc, int mode) : dc_(dc), previous_(SetROP2(dc, mode)) {}
    MixMode(const MixMode&) = delete;
    MixMode& operator=(const MixMode&) = delete;
    MixMode(MixMode&&) = delete;
    MixMode& operator=(MixMode&&) = delete;
    ~MixMode() { SetROP2(dc_, previous_); }

  private:
    HDC dc_;
    int previous_;
};

class ControlPainter final : public ControlVisitor {
  public:
    ControlPainter(HDC dc, const PictureStore& pictures, const FontStore& fonts)
        : dc_(dc), pictures_(pictures), fonts_(fonts) {}

    void visit(const Label& label) override {
        const PixelRect r = label.pixelRect();
        if (label.BackStyle == kOpaque) {
            fill(dc_, r, solidBrush(colorRef(label.BackColor)).get());
        }
        if (!label.Caption.get().empty()) {
            drawCaption(label, r);
        }
        drawBorder(label.BorderStyle, r);
    }

    void visit(const Image& image) override {
        const PixelRect r = image.pixelRect();
        if (!image.Picture.get().empty()) {
            // Scaled here to the pixels it covers on the screen, so that GDI
            // only copies them.
            std::array<POINT, 2> corners{POINT{r.x, r.y}, POINT{r.x + r.width, r.y + r.height}};
            LPtoDP(dc_, corners.data(), 2);
            const int width = corners[1].x - corners[0].x;
            const int height = corners[1].y - corners[0].y;
            const Dib& picture = pictures_.image(image.Picture, width, height);
            if (!picture.empty()) {
                const OwnedDc source(CreateCompatibleDC(dc_));
                const Selected selected(source.get(), picture.handle());
                StretchBlt(dc_, r.x, r.y, r.width, r.height, source.get(), 0, 0, width, height,
                           SRCCOPY);
            }
        }
        drawBorder(image.BorderStyle, r);
    }

    void visit(const Shape& shape) override {
        const PixelRect r = shape.pixelRect();
        const MixMode mix(dc_, shape.DrawMode == kDrawMaskPen ? R2_MASKPEN : R2_COPYPEN);
        if (shape.BackStyle == kOpaque) {
            fill(dc_, r, solidBrush(colorRef(shape.BackColor)).get());
        }
        if (shape.FillStyle != kFillTransparent) {
            const OwnedBrush brush = fillBrush(shape.FillStyle, colorRef(shape.FillColor));
            if (brush) {
                fill(dc_, r, brush.get());
            }
        }
        if (shape.BorderStyle != kOutlineNone) {
            // An inside outline grows inward; a plain one straddles the edge.
            const int width = std::max(1, shape.BorderWidth.get());
            const int outward = shape.BorderStyle == kOutlineInsideSolid ? 0 : (width - 1) / 2;
            fillFrame(dc_,
                      {r.x - outward, r.y - outward, r.width + 2 * outward, r.height + 2 * outward},
                      width, solidBrush(colorRef(shape.BorderColor)).get());
        }
    }

  private:
    // Centred both ways, wrapped at word breaks, clipped to the label.
    void drawCaption(const Label& label, const PixelRect& r) {
        constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
        const std::wstring text = widen(label.Caption.get());
        const Selected font(dc_, fonts_.font(label.Font));
        SetTextColor(dc_, colorRef(label.ForeColor));
        SetBkMode(dc_, TRANSPARENT);
        RECT measured = toRect(r);
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &measured,
                  kFormat | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        RECT placed = toRect(r);
        placed.top = r.y + (r.height - height) / 2;
        placed.bottom = placed.top + height;
        const int saved = SaveDC(dc_);
        IntersectClipRect(dc_, r.x, r.y, r.x + r.width, r.y + r.height);
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &placed, kFormat | DT_NOCLIP);
        RestoreDC(dc_, saved);
    }

    void drawBorder(int borderStyle, const PixelRect& r) {
        if (borderStyle == kFixedSingle) {
            fillFrame(dc_, r, 1, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    }

    HDC dc_;
    const PictureStore& pictures_;
    const FontStore& fonts_;
};

// Draws the form's background and its visible controls back to front,
// within the clip rectangle (form pixels).
void paintForm(HDC dc, const Form& form, const PictureStore& pictures, const FontStore& fonts,
               const PixelRect& clip) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.x, clip.y, clip.x + clip.width, clip.y + clip.height);
    fill(dc, clip, solidBrush(colorRef(form.BackColor)).get());
    ControlPainter painter(dc, pictures, fonts);
    const auto& controls = form.controls();
    std::for_each(controls.rbegin(), controls.rend(), [&](const Control* control) {
        const PixelRect r = control->pixelRect();
        if (control->Visible && intersects(clip, {r.x - 1, r.y - 1, r.width + 2, r.height + 2})) {
            control->accept(painter);
        }
    });
    RestoreDC(dc, saved);
}

}  // namespace

void paintFormScaled(HDC dc, const Form& form, const PictureStore& pictures, const FontStore& fonts,
                     const DpiScale& scale, const PixelRect& screenArea) {
    const auto factor = static_cast<FLOAT>(scale.factor());
    const XFORM toScreen{
        factor, 0, 0, factor, static_cast<FLOAT>(-screenArea.x), static_cast<FLOAT>(-screenArea.y)};
    const int mode = SetGraphicsMode(dc, GM_ADVANCED);
    SetWorldTransform(dc, &toScreen);
    paintForm(dc, form, pictures, fonts, scale.toForm(screenArea));
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetGraphicsMode(dc, mode);
}

Dib renderForm(const Form& form, const DpiScale& scale) {
    const int width = scale.toScreen(toPixels(form.design().ClientWidth));
    const int height = scale.toScreen(toPixels(form.design().ClientHeight));
    Dib image(width, height);
    const FormWindow* window = windowOf(form);
    if (image.empty() || window == nullptr) {
        return image;
    }
    const OwnedDc dc(CreateCompatibleDC(nullptr));
    {
        const Selected selected(dc.get(), image.handle());
        paintFormScaled(dc.get(), form, window->pictures(), window->fonts(), scale,
                        {0, 0, width, height});
    }
    GdiFlush();
    return image;
}

}  // namespace platform::win32

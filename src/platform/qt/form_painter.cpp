#include "platform/qt/form_painter.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "platform/qt/form_window.h"
#include "platform/qt/picture_store.h"
#include "platform/qt/qt_font.h"
#include "platform/runtime/form.h"
#include "platform/runtime/image.h"
#include "platform/runtime/label.h"
#include "platform/runtime/shape.h"

namespace platform {

namespace {

QColor toQColor(Color c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

QRect toQRect(const PixelRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// Four bands of the given width along the inside of the rectangle, laid edge
// to edge so that no pixel is drawn twice.
void fillFrame(QPainter& painter, const QRect& r, int width, const QColor& color) {
    const int w = std::min({width, r.width(), r.height()});
    if (w <= 0) {
        return;
    }
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), color);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), color);
    painter.fillRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w), color);
    painter.fillRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w), color);
}

Qt::BrushStyle hatchFor(int fillStyle) {
    constexpr std::array kHatches = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                     Qt::VerPattern,   Qt::BDiagPattern,    Qt::FDiagPattern,
                                     Qt::CrossPattern, Qt::DiagCrossPattern};
    return fillStyle >= 0 && fillStyle < static_cast<int>(kHatches.size())
               ? kHatches.at(static_cast<std::size_t>(fillStyle))
               : Qt::NoBrush;
}

class ControlPainter final : public ControlVisitor {
  public:
    ControlPainter(QPainter& painter, const PictureStore& pictures)
        : painter_(painter), pictures_(pictures) {}

    void visit(const Label& label) override {
        const QRect r = toQRect(label.pixelRect());
        if (label.BackStyle == kOpaque) {
            painter_.fillRect(r, toQColor(label.BackColor));
        }
        if (!label.Caption.get().empty()) {
            painter_.setFont(toQFont(label.Font));
            painter_.setPen(toQColor(label.ForeColor));
            painter_.drawText(r, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
                              QString::fromStdString(label.Caption));
        }
        drawBorder(label.BorderStyle, r);
    }

    void visit(const Image& image) override {
        const QRect r = toQRect(image.pixelRect());
        if (!image.Picture.get().empty()) {
            painter_.drawImage(r, pictures_.image(image.Picture));
        }
        drawBorder(image.BorderStyle, r);
    }

    void visit(const Shape& shape) override {
        const QRect r = toQRect(shape.pixelRect());
        painter_.save();
        painter_.setCompositionMode(shape.DrawMode == kDrawMaskPen
                                        ? QPainter::RasterOp_SourceAndDestination
                                        : QPainter::CompositionMode_SourceOver);
        if (shape.BackStyle == kOpaque) {
            painter_.fillRect(r, toQColor(shape.BackColor));
        }
        if (shape.FillStyle != kFillTransparent) {
            painter_.fillRect(r, QBrush(toQColor(shape.FillColor), hatchFor(shape.FillStyle)));
        }
        if (shape.BorderStyle != kOutlineNone) {
            // An inside outline grows inward; a plain one straddles the edge.
            const int width = std::max(1, shape.BorderWidth.get());
            const int outward = shape.BorderStyle == kOutlineInsideSolid ? 0 : (width - 1) / 2;
            fillFrame(painter_, r.adjusted(-outward, -outward, outward, outward), width,
                      toQColor(shape.BorderColor));
        }
        painter_.restore();
    }

  private:
    void drawBorder(int borderStyle, const QRect& r) {
        if (borderStyle == kFixedSingle) {
            fillFrame(painter_, r, 1, Qt::black);
        }
    }

    QPainter& painter_;
    const PictureStore& pictures_;
};

}  // namespace

void paintForm(QPainter& painter, const Form& form, const PictureStore& pictures,
               const QRect& clip) {
    painter.setClipRect(clip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(clip, toQColor(form.BackColor));
    ControlPainter controlPainter(painter, pictures);
    // Back to front. Not std::views::reverse: clang 14 cannot compile it
    // against libstdc++ 12.
    const auto& controls = form.controls();
    std::for_each(controls.rbegin(), controls.rend(), [&](const Control* control) {
        if (control->Visible &&
            clip.intersects(toQRect(control->pixelRect()).adjusted(-1, -1, 1, 1))) {
            control->accept(controlPainter);
        }
    });
}

QImage renderForm(const Form& form, double scale) {
    const QSize size(toPixels(form.design().ClientWidth), toPixels(form.design().ClientHeight));
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paintForm(painter, form, windowOf(form)->pictures(), QRect(QPoint(0, 0), size));
    return image;
}

}  // namespace platform

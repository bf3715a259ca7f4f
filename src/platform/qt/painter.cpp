#include "platform/qt/painter.h"

#include <QPainter>
#include <array>

#include "platform/qt/fonts.h"
#include "platform/qt/pictures.h"

namespace platform {

namespace {

QColor toQColor(Color c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

QRect toQRect(const PixelRect& r) {
    return {r.x, r.y, r.width, r.height};
}

QPainter::CompositionMode modeOf(Mix mix) {
    return mix == Mix::And ? QPainter::RasterOp_SourceAndDestination
                           : QPainter::CompositionMode_SourceOver;
}

Qt::BrushStyle patternOf(Hatch hatch) {
    constexpr std::array kPatterns{Qt::HorPattern,   Qt::VerPattern,   Qt::BDiagPattern,
                                   Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return kPatterns.at(static_cast<std::size_t>(hatch));
}

class OpPainter {
  public:
    OpPainter(QPainter& painter, const Pictures& pictures)
        : painter_(painter), pictures_(pictures) {}

    void operator()(const FilledRect& fill) const {
        painter_.setCompositionMode(modeOf(fill.mix));
        painter_.fillRect(toQRect(fill.area), toQColor(fill.colour));
    }
    void operator()(const HatchedRect& hatched) const {
        painter_.setCompositionMode(modeOf(hatched.mix));
        painter_.fillRect(toQRect(hatched.area),
                          QBrush(toQColor(hatched.colour), patternOf(hatched.hatch)));
    }
    void operator()(const TextRun& text) const {
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.save();
        painter_.setClipRect(toQRect(text.box), Qt::IntersectClip);
        painter_.setFont(fontFor(text));
        painter_.setPen(toQColor(text.colour));
        painter_.drawText(toQRect(text.box), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
                          QString::fromStdString(text.text));
        painter_.restore();
    }
    // At the size the runtime scaled it to: copied, not stretched.
    void operator()(const PlacedPicture& placed) const {
        const Bitmap& picture =
            pictures_.image(placed.picture, placed.area.width, placed.area.height);
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): QImage views bytes
        const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                           picture.height, QImage::Format_RGB32);
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.drawImage(placed.area.x, placed.area.y, image);
    }

  private:
    QPainter& painter_;
    const Pictures& pictures_;
};

}  // namespace

void paint(QPainter& painter, const std::vector<DrawOp>& ops, const Pictures& pictures) {
    painter.setRenderHint(QPainter::TextAntialiasing);
    const OpPainter opPainter(painter, pictures);
    for (const DrawOp& op : ops) {
        std::visit(opPainter, op);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace platform

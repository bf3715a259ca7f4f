#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QSvgRenderer;

namespace zumbilo::assets {

// Loads an SVG source; throws std::runtime_error if it is missing or malformed.
std::unique_ptr<QSvgRenderer> loadSvg(const QString& path);

// The whole drawing, anti-aliased, scaled to `size` over an opaque background.
QImage renderOpaque(QSvgRenderer& svg, QSize size, const QColor& background);

}  // namespace zumbilo::assets

#pragma once

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace zumbilo::assets {

// A hand drawn as black lines on pure white, holding greys only: the anti-aliased render
// is reduced to luminance and its levels stretched so the lines come out solid black
// with a thin grey edge.
QImage renderHand(QSvgRenderer& svg, QSize size);

}  // namespace zumbilo::assets

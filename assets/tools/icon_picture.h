#pragma once

#include "ico_file.h"

#include <vector>

class QSvgRenderer;

namespace zumbilo::assets {

// The logo on a near-white rounded tile with a thin grey outline, transparent around the
// tile, `size` pixels square.
QImage renderIconTile(QSvgRenderer& logo, int size);

// That tile at every size and colour depth the window icon carries.
std::vector<IconImage> renderIconImages(QSvgRenderer& logo);

}  // namespace zumbilo::assets

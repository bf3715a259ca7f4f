#pragma once

#include <QFont>

#include "platform/font.h"

namespace platform {

// Point sizes are taken at 96 dpi, as the layouts were designed, so a
// caption has the same pixel size on every screen before scaling.
QFont toQFont(const Font& font);

// Maps the layouts' font names onto families that Debian packages.
void installFontSubstitutes();

}  // namespace platform

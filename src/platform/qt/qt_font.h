#pragma once

#include <QFont>
#include <string>

#include "platform/runtime/font.h"

namespace platform {

// Point sizes are taken at 96 dpi, as the layouts were designed, so a
// caption has the same pixel size on every screen before scaling.
QFont toQFont(const Font& font);

// Maps the layouts' font names onto families that Debian packages.
void installFontSubstitutes();

// The families standing in for the layouts' fonts that are not installed,
// each with the package that brings it: "Carlito (fonts-crosextra-carlito)",
// joined by commas; empty when every caption has its font.
std::string missingCaptionFonts();

}  // namespace platform

#pragma once

#include <QFont>
#include <string>

#include "platform/runtime/drawing.h"
#include "platform/runtime/font.h"

namespace platform {

// A caption's face as Qt draws it: the layout's, or what stands in for it.
QFont fontFor(const TextRun& text);
QFont fontFor(const Font& font);

// Maps the layouts' faces onto the families that stand in for them.
void installFontSubstitutes();

// The families standing in for the layouts' fonts that are not installed,
// each with the package that brings it: "Carlito (fonts-crosextra-carlito)",
// joined by commas; empty when every caption has its font.
std::string missingCaptionFonts();

}  // namespace platform

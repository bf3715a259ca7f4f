#pragma once

#include <vector>

#include "platform/runtime/drawing.h"

namespace platform::web {

class Pictures;

// Carries out the runtime's drawing on the canvas the page paints into, in
// its pixels.
void paint(const std::vector<DrawOp>& ops, const Pictures& pictures);

}  // namespace platform::web

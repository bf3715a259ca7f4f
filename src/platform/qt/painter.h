#pragma once

#include <vector>

#include "platform/runtime/drawing.h"

class QPainter;

namespace platform {

class Pictures;

// Carries out the runtime's drawing with a painter whose units are the
// screen's pixels.
void paint(QPainter& painter, const std::vector<DrawOp>& ops, const Pictures& pictures);

}  // namespace platform

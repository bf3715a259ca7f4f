#pragma once

#include <vector>

#include "platform/runtime/drawing.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

class FontStore;
class Pictures;

// Carries out the runtime's drawing with GDI, in the DC's pixels.
void paint(HDC dc, const std::vector<DrawOp>& ops, const Pictures& pictures,
           const FontStore& fonts);

}  // namespace platform::win32

#pragma once

#include "platform/runtime/scale.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// The monitor under the pointer, whose work area the forms are centred on and
// whose scale their windows are made at.
HMONITOR monitorUnderPointer();
Scale scaleOf(HMONITOR monitor);

}  // namespace platform::win32

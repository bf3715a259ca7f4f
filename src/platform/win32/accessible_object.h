#pragma once

#include <memory>

#include "platform/win32/accessibility_libraries.h"

namespace platform::win32 {

class FormWindow;

// The answer to WM_GETOBJECT for a form window's client area: a reference
// to what its FormAccessibility says, for as long as a screen reader holds it.
ComReference<IAccessible> makeAccessibleObject(const std::shared_ptr<FormWindow>& window);

}  // namespace platform::win32

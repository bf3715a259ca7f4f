#pragma once

#include <memory>

#include "platform/win32/win32_api.h"
// Comes after windows.h, which it needs.
#include <oleacc.h>

namespace platform::win32 {

class FormWindow;

// Lets go of a COM object's reference.
struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using ComReference = std::unique_ptr<Interface, ComReleaser>;

// The answer to WM_GETOBJECT for a form window's client area: a reference
// to what its FormAccessibility says, for as long as a screen reader holds it.
ComReference<IAccessible> makeFormAccessible(const std::shared_ptr<FormWindow>& window);

}  // namespace platform::win32

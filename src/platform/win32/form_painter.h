#pragma once

#include "platform/runtime/units.h"
#include "platform/win32/dib.h"
#include "platform/win32/dpi_scale.h"
#include "platform/win32/win32_api.h"

namespace platform {
class Form;
}

namespace platform::win32 {

class FontStore;
class PictureStore;

// Draws the part of the form that the screen rectangle of a window at the
// given scale shows, into a DC whose origin is that rectangle's corner.
void paintFormScaled(HDC dc, const Form& form, const PictureStore& pictures, const FontStore& fonts,
                     const DpiScale& scale, const PixelRect& screenArea);

// A loaded form's client area as its window draws it at the given scale.
Dib renderForm(const Form& form, const DpiScale& scale = DpiScale());

}  // namespace platform::win32

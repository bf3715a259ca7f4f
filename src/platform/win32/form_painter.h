#pragma once

#include "platform/runtime/units.h"
#include "platform/win32/dib.h"
#include "platform/win32/win32_api.h"

namespace platform {
class Form;
}

namespace platform::win32 {

class FontStore;
class PictureStore;

// Draws the form's background and its visible controls back to front,
// within the clip rectangle (client pixels).
void paintForm(HDC dc, const Form& form, const PictureStore& pictures, const FontStore& fonts,
               const PixelRect& clip);

// A loaded form's client area as its window draws it.
Dib renderForm(const Form& form);

}  // namespace platform::win32

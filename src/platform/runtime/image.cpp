#include "platform/runtime/image.h"

namespace platform {

Image::Image(Form& form, const ImageDesign& design)
    : PointerControl(form, design.rect, design.Visible, kNoBorder, design.ToolTipText),
      Picture(*this, design.picture) {}

}  // namespace platform

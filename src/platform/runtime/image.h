#pragma once

#include <string>

#include "platform/runtime/codes.h"
#include "platform/runtime/control.h"
#include "platform/runtime/picture.h"

namespace platform {

struct ImageDesign {
    TwipsRect rect{};
    Picture picture{};
    bool Visible = true;
    std::string ToolTipText{};
};

// A picture stretched to fill its rectangle exactly, drawn opaque.
class Image final : public PointerControl {
  public:
    using Design = ImageDesign;

    Image(Form& form, const ImageDesign& design);

    Property<platform::Picture> Picture;

    void accept(ControlVisitor& visitor) const override { visitor.visit(*this); }
};

}  // namespace platform

#include "platform/runtime/shape.h"

namespace platform {

Shape::Shape(Form& form, const ShapeDesign& design)
    : Control(form, design.rect, design.Visible),
      BorderStyle(*this, design.BorderStyle),
      BorderWidth(*this, design.BorderWidth),
      BorderColor(*this, design.BorderColor),
      BackStyle(*this, design.BackStyle),
      BackColor(*this, design.BackColor),
      FillStyle(*this, design.FillStyle),
      FillColor(*this, design.FillColor),
      DrawMode(*this, design.DrawMode) {}

}  // namespace platform

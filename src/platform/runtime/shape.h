#pragma once

#include "platform/runtime/codes.h"
#include "platform/runtime/control.h"

namespace platform {

struct ShapeDesign {
    TwipsRect rect{};
    int BorderStyle = kOutlineSolid;
    int BorderWidth = 1;
    Color BorderColor = RGB(0, 0, 0);
    int BackStyle = kTransparent;
    Color BackColor = RGB(255, 255, 255);
    int FillStyle = kFillTransparent;
    Color FillColor = RGB(0, 0, 0);
    int DrawMode = kDrawCopyPen;
    bool Visible = true;
};

// A rectangle: background, fill, then outline. Takes no pointer input.
class Shape final : public Control {
  public:
    Shape(Form& form, const ShapeDesign& design);

    Property<int> BorderStyle;
    Property<int> BorderWidth;  // pixels
    Property<Color> BorderColor;
    Property<int> BackStyle;
    Property<Color> BackColor;
    Property<int> FillStyle;
    Property<Color> FillColor;
    Property<int> DrawMode;

    bool takesPointer() const override { return false; }
    void accept(ControlVisitor& visitor) const override { visitor.visit(*this); }
};

}  // namespace platform

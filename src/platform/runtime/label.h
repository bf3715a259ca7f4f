#pragma once

#include <string>

#include "platform/runtime/codes.h"
#include "platform/runtime/control.h"
#include "platform/runtime/font.h"

namespace platform {

struct LabelDesign {
    TwipsRect rect{};
    std::string Caption{};
    platform::Font Font{};
    Color ForeColor = RGB(0, 0, 0);
    Color BackColor = RGB(255, 255, 255);
    int BackStyle = kOpaque;
    bool Visible = true;
    bool AutoSize = false;
    std::string ToolTipText{};
    // The window's status line: assistive technology hears each new caption.
    bool StatusLine = false;
};

// A caption centred across its rectangle.
class Label final : public PointerControl {
  public:
    using Design = LabelDesign;

    Label(Form& form, const LabelDesign& design);

    Property<std::string> Caption;
    Property<platform::Font> Font;
    Property<Color> ForeColor;
    Property<Color> BackColor;
    Property<int> BackStyle;
    const bool AutoSize;
    const bool StatusLine;

    void accept(ControlVisitor& visitor) const override { visitor.visit(*this); }

    void propertyChanged() override;

  private:
    void adjustSize() override;

    std::string announced_;
};

}  // namespace platform

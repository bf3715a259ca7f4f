#include "platform/runtime/control.h"

#include <algorithm>

#include "platform/runtime/form.h"

namespace platform {

Control::Control(Form& form, TwipsRect rect, bool visible)
    : Left(*this, rect.Left),
      Top(*this, rect.Top),
      Width(*this, rect.Width),
      Height(*this, rect.Height),
      Visible(*this, visible),
      form_(&form),
      painted_(toPixels(rect)) {
    form.add(*this);
}

Control::~Control() = default;

PixelRect Control::pixelRect() const {
    return toPixels(TwipsRect{Left, Top, Width, Height});
}

void Control::propertyChanged() {
    adjustSize();
    const PixelRect now = pixelRect();
    // Repaint where the control was and where it is; one pixel of slack
    // covers outlines that straddle the edge.
    const int left = std::min(painted_.x, now.x) - 1;
    const int top = std::min(painted_.y, now.y) - 1;
    const int right = std::max(painted_.x + painted_.width, now.x + now.width) + 1;
    const int bottom = std::max(painted_.y + painted_.height, now.y + now.height) + 1;
    form_->invalidate({left, top, right - left, bottom - top});
    painted_ = now;
}

PointerControl::PointerControl(Form& form, TwipsRect rect, bool visible, int borderStyle,
                               std::string toolTipText)
    : Control(form, rect, visible),
      BorderStyle(*this, borderStyle),
      ToolTipText(*this, std::move(toolTipText)) {}

}  // namespace platform

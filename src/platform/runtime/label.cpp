#include "platform/runtime/label.h"

#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"

namespace platform {

Label::Label(Form& form, const LabelDesign& design)
    : PointerControl(form, design.rect, design.Visible, kNoBorder, design.ToolTipText),
      Caption(*this, design.Caption),
      Font(*this, design.Font),
      ForeColor(*this, design.ForeColor),
      BackColor(*this, design.BackColor),
      BackStyle(*this, design.BackStyle),
      AutoSize(design.AutoSize),
      StatusLine(design.StatusLine),
      announced_(design.Caption) {
    adjustSize();
}

void Label::propertyChanged() {
    PointerControl::propertyChanged();
    // A status line that empties itself has nothing to say.
    if (StatusLine && announced_ != Caption.get()) {
        announced_ = Caption;
        if (!announced_.empty()) {
            form().announce(announced_);
        }
    }
}

void Label::adjustSize() {
    if (!AutoSize) {
        return;
    }
    const PixelSize size = form().runtime().windows().textSize(Font, Caption);
    Width.setQuietly(toTwips(size.width));
    Height.setQuietly(toTwips(size.height));
}

}  // namespace platform

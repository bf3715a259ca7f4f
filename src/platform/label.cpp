#include "platform/label.h"

#include <QFontMetrics>

#include "platform/form.h"
#include "platform/qt_font.h"

namespace platform {

Label::Label(Form& form, const LabelDesign& design)
    : PointerControl(form, design.rect, design.Visible, kNoBorder, design.ToolTipText),
      Caption(*this, design.Caption),
      Font(*this, design.Font),
      ForeColor(*this, design.ForeColor),
      BackColor(*this, design.BackColor),
      BackStyle(*this, design.BackStyle),
      AutoSize(design.AutoSize),
      announced_(design.Caption) {
    adjustSize();
}

void Label::propertyChanged() {
    PointerControl::propertyChanged();
    // A new caption (a verdict, say) is announced to assistive technology.
    if (announced_ != Caption.get()) {
        announced_ = Caption;
        form().captionChanged(*this);
    }
}

void Label::adjustSize() {
    if (!AutoSize) {
        return;
    }
    const QFontMetrics metrics(toQFont(Font));
    const QString text = QString::fromStdString(Caption);
    Width.setQuietly(toTwips(metrics.horizontalAdvance(text)));
    Height.setQuietly(toTwips(metrics.height()));
}

}  // namespace platform

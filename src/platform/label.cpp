#include "platform/label.h"

#include <QFontMetrics>

#include "platform/qt_font.h"

namespace platform {

Label::Label(Form& form, const LabelDesign& design)
    : PointerControl(form, design.rect, design.Visible, kNoBorder, design.ToolTipText),
      Caption(*this, design.Caption),
      Font(*this, design.Font),
      ForeColor(*this, design.ForeColor),
      BackColor(*this, design.BackColor),
      BackStyle(*this, design.BackStyle),
      AutoSize(design.AutoSize) {
    adjustSize();
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

#include "platform/qt/about_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/qt/form_window.h"
#include "platform/qt/window_frame.h"
#include "platform/runtime/form.h"

namespace platform {

namespace {

// Keeps the box centred over its owner's frame. Until the window manager
// tells the box's own frame, the box is taken to be framed like its owner;
// should its frame or its size turn out otherwise, it is centred again.
class CentredOverOwner final : public QObject {
  public:
    CentredOverOwner(QWidget& box, const QWidget& owner) : box_(&box), owner_(frameRectOf(owner)) {
        place(frameMarginsOf(owner));
        box.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
        if (moved && box_->isVisible()) {
            const FrameMargins frame = frameMarginsOf(*box_);
            if (frame != frame_ || box_->size() != size_) {
                place(frame);
            }
        }
        return false;
    }

  private:
    void place(const FrameMargins& frame) {
        frame_ = frame;
        size_ = box_->size();
        const int width = size_.width() + frame.left + frame.right;
        const int height = size_.height() + frame.top + frame.bottom;
        moveFrameTo(*box_, {centredStart(owner_.x(), owner_.width(), width),
                            centredStart(owner_.y(), owner_.height(), height)});
    }

    QWidget* box_;
    QRect owner_;
    FrameMargins frame_;
    QSize size_;
};

}  // namespace

void DialogAboutBox::show(Form& owner, const std::string& title, const std::string& text,
                          const Picture& icon) {
    QWidget& ownerWindow = *windowOf(owner);
    QDialog dialog(&ownerWindow);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setObjectName(QStringLiteral("aboutBox"));

    auto* iconLabel = new QLabel(&dialog);
    if (!icon.empty()) {
        const QIcon& desktopIcon = pictures_->icon(icon);
        iconLabel->setPixmap(desktopIcon.pixmap(48, 48));
        dialog.setWindowIcon(desktopIcon);
    }
    // The text's CR LF is one line break.
    auto* textLabel = new QLabel(
        QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        &dialog);
    textLabel->setObjectName(QStringLiteral("aboutText"));
    textLabel->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(iconLabel, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(textLabel, 1);
    auto* column = new QVBoxLayout(&dialog);
    column->addLayout(row);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    dialog.adjustSize();
    const CentredOverOwner centred(dialog, ownerWindow);
    dialog.exec();
}

}  // namespace platform

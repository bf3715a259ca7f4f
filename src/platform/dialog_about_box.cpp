#include "platform/dialog_about_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/form.h"
#include "platform/form_window.h"
#include "platform/picture_data.h"

namespace platform {

void DialogAboutBox::show(Form& owner, const std::string& title, const std::string& text,
                          const Picture& icon) {
    QDialog dialog(owner.window());
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setObjectName(QStringLiteral("aboutBox"));

    auto* iconLabel = new QLabel(&dialog);
    if (!icon.empty()) {
        iconLabel->setPixmap(icon.data()->icon.pixmap(48, 48));
        dialog.setWindowIcon(icon.data()->icon);
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
    dialog.exec();
}

}  // namespace platform

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>

#include "platform/dialog_about_box.h"
#include "platform/form_window.h"
#include "test_form.h"
#include "test_runtime.h"

namespace {

// The stand-in for the desktop's About box: modal, owned by the form's
// window, titled with the title alone, the two lines shown as plain text.
TEST(DialogAboutBox, showsTitleIconAndBothLinesModallyOverItsOwner) {
    testing_support::TestRuntime rt;
    TestForm form(rt.runtime);
    rt.runtime.dispatch([&] { form.Show(); });
    const platform::Picture icon = platform::Picture::fromResource("logo.ico");

    QString title;
    QString text;
    bool modal = false;
    QWidget* owner = nullptr;
    bool iconShown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        modal = dialog->isModal();
        owner = dialog->parentWidget();
        const auto* label = dialog->findChild<QLabel*>(QStringLiteral("aboutText"));
        text = label != nullptr ? label->text() : QString();
        for (const QLabel* each : dialog->findChildren<QLabel*>()) {
            iconShown = iconShown || !each->pixmap().isNull();
        }
        dialog->accept();
    });
    platform::DialogAboutBox box;
    box.show(form, "Zumbilo", "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5", icon);

    EXPECT_EQ(title, QStringLiteral("Zumbilo"));
    EXPECT_EQ(text, QString::fromUtf8("Velmarin\nZumbilo: Versi\xC3\xB3n 3.5"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(owner, form.window());
    EXPECT_TRUE(iconShown);
}

}  // namespace

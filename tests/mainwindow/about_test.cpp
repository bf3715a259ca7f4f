#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include "platform/qt/dialog_about_box.h"
#include "program_test.h"

namespace {

using AboutBoxTest = MainWindowTest;

// Modal over the main window: the title alone, the icon, both lines as plain text.
TEST_F(AboutBoxTest, questionMarkOpensTheBoxModalWithTitleTextAndIconEachTime) {
    click(c().cmdAbout);  // hidden before the first new play
    EXPECT_TRUE(rt.aboutBox.shown.empty());

    click(c().lblPlay[0]);
    click(c().cmdAbout);
    click(c().cmdAbout);
    ASSERT_EQ(rt.aboutBox.shown.size(), 2U);
    for (const auto& shown : rt.aboutBox.shown) {
        EXPECT_EQ(shown.text, "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5");
        EXPECT_EQ(shown.icon, principal().Icon());
    }
    // After the first frame, the same icon for the desktop, up to 128 pixels.
    QCoreApplication::processEvents();
    EXPECT_EQ(windowOf(principal())->windowIcon().availableSizes().size(), 5);
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");

    QStringList seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        seen << box->windowTitle() << (box->parentWidget() == windowOf(principal()) ? "owned" : "");
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            seen << (label->pixmap().isNull() ? label->text() : "icon");
        }
        box->close();
    });
    const auto& shown = rt.aboutBox.shown.front();
    platform::DialogAboutBox(rt.windows.pictures())
        .show(*shown.owner, shown.title, shown.text, shown.icon);
    EXPECT_EQ(seen, (QStringList{"Zumbilo", "owned", "icon",
                                 QString::fromUtf8("Velmarin\nZumbilo: Versi\xC3\xB3n 3.5")}));
}

}  // namespace

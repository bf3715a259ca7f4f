#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include "platform/qt/about_box.h"
#include "qt_program.h"

namespace {

using AboutBoxTest = QtMainWindowTest;

// Modal over the main window: the title alone, the icon, both lines as plain
// text; and after the first frame, the same icon for the desktop, up to 128 pixels.
TEST_F(AboutBoxTest, theDialogShowsTitleIconAndBothLinesOwnedByTheMainWindow) {
    QCoreApplication::processEvents();
    EXPECT_EQ(windowOf(principal())->windowIcon().availableSizes().size(), 5);

    QStringList seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        seen << box->windowTitle() << (box->parentWidget() == windowOf(principal()) ? "owned" : "");
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            seen << (label->pixmap().isNull() ? label->text() : "icon");
        }
        box->close();
    });
    platform::DialogAboutBox(rt.windows.pictures())
        .show(principal(), "Zumbilo", "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5",
              principal().Icon());
    EXPECT_EQ(seen, (QStringList{"Zumbilo", "owned", "icon",
                                 QString::fromUtf8("Velmarin\nZumbilo: Versi\xC3\xB3n 3.5")}));
}

}  // namespace

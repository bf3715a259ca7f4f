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
        EXPECT_EQ(shown.owner, &principal());
        EXPECT_EQ(shown.title, "Zumbilo");
        EXPECT_EQ(shown.text, "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5");
        EXPECT_EQ(shown.icon, principal().Icon());
    }
    EXPECT_FALSE(principal().Icon().empty());
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

// The hands and the slide wait while the box is open, then go on a tick at a time.
TEST_F(AboutBoxTest, theHandsAndTheSlideWaitWhileTheBoxIsOpen) {
    key('5');
    click(c().Image1);  // Playing is False: a new play opens while the hands go on
    const platform::Twips top = principal().Top;
    std::string statusWhileOpen;
    platform::Twips topWhileOpen = 0;
    rt.aboutBox.whileOpen = [&] {
        rt.clock.advance(2000);
        statusWhileOpen = c().lblGame.Caption;
        topWhileOpen = principal().Top;
    };
    click(c().cmdAbout);
    EXPECT_EQ(statusWhileOpen, "ELIGE UNA FIGURA");
    EXPECT_EQ(topWhileOpen, top);
    EXPECT_EQ(principal().Top.get(), top - 60);
    EXPECT_EQ(principal().TickCount, 1);
}

}  // namespace

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QMetaEnum>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "accessible_expectations.h"
#include "qt_program.h"

namespace {

// As a listening screen reader does; only the desktop's bridge can, publicly.
void listenAsScreenReader(bool listening) {
    if (auto* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        accessibility->setActive(listening);
    }
}

std::vector<std::string> heard;
QStringList renamed;

void hear(QAccessibleEvent* event) {
    QAccessibleInterface* said = event->accessibleInterface();
    if (event->type() == QAccessible::NameChanged) {
        renamed << said->text(QAccessible::Name);
    }
    if (event->type() == QAccessible::ObjectShow && said->role() == QAccessible::Notification &&
        said->parent()->role() == QAccessible::StatusBar) {
        heard.push_back(said->text(QAccessible::Name).toStdString());
    }
}

// As a screen reader reads the window, through Qt's accessibility interfaces.
class AccessibilityTest : public QtProgramTest {
  protected:
    QAccessibleInterface* window() {
        return QAccessible::queryAccessibleInterface(windowOf(principal()));
    }

    std::vector<std::string> tree() {
        std::vector<std::string> lines;
        for (int i = 0; i < window()->childCount(); ++i) {
            QAccessibleInterface* child = window()->child(i);
            lines.push_back(child->text(QAccessible::Name).toStdString() + "|" +
                            QMetaEnum::fromType<QAccessible::Role>().valueToKey(child->role()) +
                            (child->actionInterface()->actionNames().isEmpty() ? "" : "|press"));
        }
        return lines;
    }
    QAccessibleInterface* childNamed(const QString& name) {
        for (int i = 0; i < window()->childCount(); ++i) {
            if (window()->child(i)->text(QAccessible::Name) == name) {
                return window()->child(i);
            }
        }
        return nullptr;
    }
    static void press(QAccessibleInterface* control) {
        control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    static void nextTurn() { QCoreApplication::processEvents(); }
    void activate() {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(windowOf(principal()), &activate);
    }
};

// The same children, names and announcements as every window system at the same
// moments; a press clicks on the next turn of the event loop, where it acts.
TEST_F(AccessibilityTest, childrenAndAnnouncementsAsEveryWindowSystemHasThem) {
    heard.clear();
    renamed.clear();
    listenAsScreenReader(true);
    QAccessible::installUpdateHandler(hear);
    handOff();
    activate();
    nextTurn();
    EXPECT_EQ(tree(), accessible_expectations::kWelcome);
    EXPECT_EQ(window()->text(QAccessible::Name), "ZUMBILO");
    const QPoint origin = windowOf(principal())->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(childNamed("INICIAR")->rect(), QRect(origin + QPoint(16, 120), QSize(153, 25)));
    press(childNamed("INICIAR"));
    EXPECT_EQ(c().lblGame.Caption.get(), "BIENVENIDO");
    nextTurn();
    EXPECT_EQ(tree(), accessible_expectations::kChoosing);
    EXPECT_EQ(childNamed("Acerca del juego.")->text(QAccessible::Description), "");

    rt.random.script({accessible_expectations::kScissorsDrawn});
    key('9');
    ticks(6);
    activate();  // only the first time
    nextTurn();
    QAccessible::installUpdateHandler(nullptr);
    listenAsScreenReader(false);
    EXPECT_EQ(tree(), accessible_expectations::kRockBeatsScissors);
    EXPECT_EQ(heard, accessible_expectations::kHeard);
    EXPECT_TRUE(renamed.contains("Ganadas: 1")) << renamed.join("|").toStdString();
}

// Covered, a child cannot be pressed even through an interface taken before;
// the unloaded window's interfaces go with it.
TEST_F(AccessibilityTest, oldInterfacesPressNothingAndGoWithTheirWindow) {
    handOff();
    press(childNamed("INICIAR"));
    nextTurn();
    QAccessibleInterface* about = childNamed("Acerca del juego.");
    key('7');
    press(about);
    nextTurn();
    EXPECT_TRUE(about->actionInterface()->actionNames().isEmpty());
    EXPECT_TRUE(rt.aboutBox.shown.empty());

    ticks(6);
    const QAccessible::Id id = QAccessible::uniqueId(about);
    press(childNamed("Panel del ordenador: REINICIAR"));
    nextTurn();
    EXPECT_TRUE(inicio().loaded());
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(windowOf(inicio()))->text(QAccessible::Name),
              "Zumbilo");
}

}  // namespace

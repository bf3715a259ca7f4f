#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QDialog>
#include <QMetaEnum>
#include <QStringList>
#include <algorithm>

#include "program_test.h"

namespace {

// As a listening screen reader does; only the desktop's bridge can, publicly.
void listenAsScreenReader(bool listening) {
    if (auto* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        accessibility->setActive(listening);
    }
}

class AccessibilityTest : public MainWindowTest {
  protected:
    QList<QAccessibleInterface*> children() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(windowOf(principal()));
        QList<QAccessibleInterface*> all;
        for (int i = 0; i < window->childCount(); ++i) {
            all << window->child(i);
        }
        return all;
    }

    // "name|role|press" for each child of the window, front to back.
    QStringList tree() {
        QStringList lines;
        for (QAccessibleInterface* child : children()) {
            lines << child->text(QAccessible::Name) + "|" +
                         QMetaEnum::fromType<QAccessible::Role>().valueToKey(child->role()) +
                         (child->actionInterface()->actionNames().isEmpty() ? "" : "|press");
        }
        return lines;
    }

    QAccessibleInterface* childNamed(const QString& name) {
        const auto all = children();
        const auto named = std::ranges::find_if(all, [&](QAccessibleInterface* child) {
            return child->text(QAccessible::Name) == name;
        });
        return named != all.end() ? *named : nullptr;
    }

    static void press(QAccessibleInterface* control) {
        control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    static void nextTurn() { QCoreApplication::processEvents(); }
};

// A press clicks on the next turn of the event loop: a box it opens keeps nobody waiting.
TEST_F(AccessibilityTest, pressClicksOnTheNextTurnWhereThePointerReachesTheControl) {
    // While the pointer holds a button down, the pointer's press comes first.
    const auto [x, y] = centreOf(c().lblGame);
    principal().mouseDown(x, y, platform::kLeftButton, 0);
    press(childNamed("INICIAR"));
    nextTurn();
    principal().mouseUp(x, y, platform::kLeftButton, 0);
    EXPECT_EQ(c().lblGame.Caption.get(), "BIENVENIDO");

    press(childNamed("INICIAR"));
    nextTurn();
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");

    QAccessibleInterface* about = childNamed("?");
    QAccessibleInterface* scissors = childNamed("TIJERAS");
    press(about);
    EXPECT_TRUE(rt.aboutBox.shown.empty());
    nextTurn();
    EXPECT_EQ(rt.aboutBox.shown.size(), 1U);

    // Covered by the player's hand, neither can be pressed, even through old interfaces.
    key('7');
    press(about);
    press(scissors);
    nextTurn();
    EXPECT_TRUE(about->actionInterface()->actionNames().isEmpty());
    EXPECT_EQ(rt.aboutBox.shown.size(), 1U);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[0].Picture.get());

    // The panel's rim restarts; the unloaded window's interfaces go with it.
    ticks(6);
    const QAccessible::Id id = QAccessible::uniqueId(about);
    press(childNamed("Panel del ordenador: REINICIAR"));
    nextTurn();
    EXPECT_TRUE(inicio().loaded());
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

// A screen reader hears each new status, the verdict with the computer's figure
// and the score; a control it knows tells it of its new name. The children are
// what the pointer reaches, where it does, front to back, named for what they are.
TEST_F(AccessibilityTest, statusLineAnnouncesEachStatusAndTheChildrenNameWhatTheyShow) {
    static QStringList heard;
    static QStringList renamed;
    heard.clear();
    renamed.clear();
    const QPoint origin = windowOf(principal())->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(childNamed("INICIAR")->rect(), QRect(origin + QPoint(16, 120), QSize(153, 25)));
    {
        QDialog box(windowOf(principal()));  // nothing pressable behind a modal box
        box.setModal(true);
        box.show();
        EXPECT_TRUE(childNamed("INICIAR")->actionInterface()->actionNames().isEmpty());
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&box)->state().modal);
    }
    listenAsScreenReader(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        QAccessibleInterface* said = event->accessibleInterface();
        if (event->type() == QAccessible::NameChanged) {
            renamed << said->text(QAccessible::Name);
        }
        if (event->type() == QAccessible::ObjectShow && said->role() == QAccessible::Notification &&
            said->parent()->role() == QAccessible::StatusBar) {
            heard << said->text(QAccessible::Name);
        }
    });
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(windowOf(principal()), &activate);
    nextTurn();
    click(c().lblPlay[0]);
    nextTurn();
    rt.random.script({0.9F});  // the scissors, beaten by the rock
    key('9');
    nextTurn();
    ticks(6);
    nextTurn();
    QCoreApplication::sendEvent(windowOf(principal()), &activate);
    nextTurn();
    QAccessible::installUpdateHandler(nullptr);
    listenAsScreenReader(false);
    EXPECT_EQ(heard, (QStringList{"BIENVENIDO", "ELIGE UNA FIGURA",
                                  "GANASTE. El ordenador sacó TIJERAS. Ganadas: 1. Perdidas: 0"}));
    EXPECT_TRUE(renamed.contains("Ganadas: 1") && renamed.contains(heard.last()))
        << renamed.join("|").toStdString();
    EXPECT_EQ(tree(),
              (QStringList{"Tu mano: PIEDRA|Button|press", "Mano del ordenador: TIJERAS|Graphic",
                           "Panel del ordenador: REINICIAR|Button|press",
                           "Panel del jugador: INICIAR|Button|press", "Perdidas: 0|StaticText",
                           "Ganadas: 1|StaticText", "GANASTE|StatusBar", "VS.|StaticText"}));
}

}  // namespace

#include <QAccessible>
#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include "game/game_test_fixture.h"
#include "platform/form_window.h"
#include "screen_reader.h"

namespace {

class AccessibilityTest : public MainWindowTest {
  protected:
    QAccessibleInterface* windowInterface() {
        return QAccessible::queryAccessibleInterface(form.window());
    }

    // "name|role|pressable" for each child of the window, front to back.
    QStringList tree() {
        QStringList lines;
        QAccessibleInterface* window = windowInterface();
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            const bool pressable = !child->actionInterface()->actionNames().isEmpty();
            lines << child->text(QAccessible::Name) + "|" + roleName(child->role()) +
                         (pressable ? "|press" : "");
        }
        return lines;
    }

    static QString roleName(QAccessible::Role role) {
        switch (role) {
            case QAccessible::Button:
                return "button";
            case QAccessible::StatusBar:
                return "status";
            case QAccessible::Graphic:
                return "graphic";
            default:
                return "text";
        }
    }

    QAccessibleInterface* childNamed(const QString& name) {
        QAccessibleInterface* window = windowInterface();
        for (int i = 0; i < window->childCount(); ++i) {
            if (window->child(i)->text(QAccessible::Name) == name) {
                return window->child(i);
            }
        }
        return nullptr;
    }

    static void press(QAccessibleInterface* control) {
        control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    // The next turn of the event loop.
    static void nextTurn() { QCoreApplication::processEvents(); }
};

// Only what the pointer reaches: a control under a hand picture is not there.
TEST_F(AccessibilityTest, childrenAreWhatThePointerReachesFrontToBackNamedForWhatTheyAre) {
    EXPECT_EQ(tree(), (QStringList{
                          "(REINICIAR)|button|press", "Panel del ordenador: REINICIAR|button|press",
                          "INICIAR|button|press", "Panel del jugador: INICIAR|button|press",
                          "Perdidas: 0|text", "Ganadas: 0|text", "BIENVENIDO|status"}));
    const QPoint origin = form.window()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(childNamed("INICIAR")->rect(), QRect(origin + QPoint(16, 120), QSize(153, 25)));

    rt.random.script({0.1F});  // the rock, beaten by the paper
    pointer.click(c().lblPlay[0]);
    pointer.click(c().imgOpt[0]);
    ticks(6);
    EXPECT_EQ(tree(),
              (QStringList{"Tu mano: PAPEL|button|press", "Mano del ordenador: PIEDRA|graphic",
                           "Panel del ordenador: REINICIAR|button|press",
                           "Panel del jugador: INICIAR|button|press", "Perdidas: 0|text",
                           "Ganadas: 1|text", "GANASTE|status", "VS.|text"}));
}

// A press clicks where the pointer would, on the next turn of the event loop,
// so that a modal box it opens keeps nobody waiting.
TEST_F(AccessibilityTest, pressClicksOnTheNextTurnWhereThePointerReachesTheControl) {
    press(childNamed("INICIAR"));
    EXPECT_EQ(c().lblGame.Caption.get(), "BIENVENIDO");
    nextTurn();
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");

    QAccessibleInterface* about = childNamed("?");
    QAccessibleInterface* scissors = childNamed("TIJERAS");
    press(about);
    EXPECT_TRUE(rt.aboutBox.shown.empty());
    nextTurn();
    EXPECT_EQ(rt.aboutBox.shown.size(), 1U);

    // Once the player's hand covers them, neither can be pressed, not even
    // through an interface taken before.
    key('7');
    press(about);
    press(scissors);
    nextTurn();
    EXPECT_TRUE(about->actionInterface()->actionNames().isEmpty());
    EXPECT_EQ(rt.aboutBox.shown.size(), 1U);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[0].Picture.get());

    // The computer's hand covers its panel's centre; the rim still restarts.
    ticks(6);
    press(childNamed("Panel del ordenador: REINICIAR"));
    nextTurn();
    EXPECT_EQ(restarts, 1);
}

TEST_F(AccessibilityTest, nothingIsPressableBehindAModalBox) {
    QDialog box(form.window());
    box.setModal(true);
    box.show();
    EXPECT_TRUE(childNamed("INICIAR")->actionInterface()->actionNames().isEmpty());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&box)->state().modal);
}

// A screen reader hears the status line's every new message, the welcome
// when the window first comes forward, and after the verdict the computer's
// figure and the score, in one announcement; a control it knows tells it of
// its new name.
TEST_F(AccessibilityTest, statusLineAnnouncesWelcomeChoiceAndVerdictWithFigureAndScore) {
    static QStringList heard;
    static QStringList renamed;
    heard.clear();
    renamed.clear();
    tree();
    testing_support::listenAsScreenReader(true);
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
    QCoreApplication::sendEvent(form.window(), &activate);
    nextTurn();
    pointer.click(c().lblPlay[0]);
    nextTurn();
    rt.random.script({0.9F});  // the scissors, beaten by the rock
    key('9');
    nextTurn();
    ticks(6);
    nextTurn();
    QCoreApplication::sendEvent(form.window(), &activate);
    nextTurn();
    QAccessible::installUpdateHandler(nullptr);
    testing_support::listenAsScreenReader(false);
    EXPECT_EQ(heard, (QStringList{"BIENVENIDO", "ELIGE UNA FIGURA",
                                  "GANASTE. El ordenador sacó TIJERAS. Ganadas: 1. Perdidas: 0"}));
    EXPECT_TRUE(renamed.contains("Ganadas: 1"));
}

TEST_F(AccessibilityTest, interfacesOfAnUnloadedWindowAreGone) {
    QAccessibleInterface* start = childNamed("INICIAR");
    const QAccessible::Id id = QAccessible::uniqueId(start);
    rt.runtime.dispatch([this] {
        form.Unload();
        form.Show();
    });
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
    EXPECT_NE(childNamed("INICIAR"), nullptr);
}

}  // namespace

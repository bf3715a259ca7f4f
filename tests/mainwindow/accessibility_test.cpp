#include <QAccessible>
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

    QStringList names() {
        QStringList result;
        QAccessibleInterface* window = windowInterface();
        for (int i = 0; i < window->childCount(); ++i) {
            result << window->child(i)->text(QAccessible::Name);
        }
        return result;
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
};

TEST_F(AccessibilityTest, visibleLabelsAndImagesAreChildrenFrontToBack) {
    EXPECT_EQ(names(), (QStringList{"(REINICIAR)", "", "INICIAR", "", "0", "0", "BIENVENIDO"}));
    QAccessibleInterface* start = childNamed("INICIAR");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->role(), QAccessible::Button);
    EXPECT_EQ(start->parent(), windowInterface());
    const QPoint origin = form.window()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(start->rect(), QRect(origin + QPoint(16, 120), QSize(153, 25)));
    EXPECT_EQ(childNamed("BIENVENIDO")->role(), QAccessible::StaticText);
}

TEST_F(AccessibilityTest, picturesAreNamedByTheirTipsAndHiddenOnesAreAbsent) {
    pointer.click(c().lblPlay[0]);
    pointer.click(c().imgOpt[0]);
    const QStringList shown = names();
    EXPECT_TRUE(shown.contains("JUGAR DE NUEVO."));
    EXPECT_TRUE(shown.contains("PAPEL"));
    EXPECT_FALSE(shown.contains("INICIAR"));
    EXPECT_EQ(childNamed("JUGAR DE NUEVO.")->role(), QAccessible::Button);
    // The computer's hand takes no clicks: a plain graphic, with no name.
    int graphics = 0;
    QAccessibleInterface* window = windowInterface();
    for (int i = 0; i < window->childCount(); ++i) {
        if (window->child(i)->role() == QAccessible::Graphic) {
            ++graphics;
            EXPECT_TRUE(window->child(i)->actionInterface()->actionNames().isEmpty());
        }
    }
    EXPECT_EQ(graphics, 1);
}

TEST_F(AccessibilityTest, pressActionClicksTheControl) {
    QAccessibleInterface* start = childNamed("INICIAR");
    ASSERT_NE(start->actionInterface(), nullptr);
    EXPECT_EQ(start->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
}

// A screen reader hears the verdict: the status label's new caption is
// announced as a name change.
TEST_F(AccessibilityTest, verdictIsAnnouncedAsANameChange) {
    static QStringList announced;
    announced.clear();
    testing_support::listenAsScreenReader(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged && event->accessibleInterface() != nullptr) {
            announced << event->accessibleInterface()->text(QAccessible::Name);
        }
    });
    rt.random.script({0.9F});  // scissors, against the rock
    key('9');
    ticks(6);
    QAccessible::installUpdateHandler(nullptr);
    testing_support::listenAsScreenReader(false);
    EXPECT_TRUE(announced.contains("GANASTE")) << announced.join(',').toStdString();
    EXPECT_TRUE(announced.contains("1"));
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

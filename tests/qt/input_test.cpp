#include <QKeyEvent>
#include <initializer_list>
#include <utility>

#include "qt_program.h"

namespace {

using InputTest = QtMainWindowTest;

// The keypad's digits and AltGr (the group switch, even with Ctrl) type
// characters; Ctrl, Alt and the logo key make a digit the desktop's shortcut,
// which the window leaves.
TEST_F(InputTest, digitsPlayFromTheKeypadAndWithAltGrButNotAsShortcuts) {
    for (const auto& [modifiers, plays] :
         std::initializer_list<std::pair<Qt::KeyboardModifiers, bool>>{
             {Qt::NoModifier, true},
             {Qt::KeypadModifier, true},
             {Qt::GroupSwitchModifier, true},
             {Qt::ControlModifier | Qt::GroupSwitchModifier, true},
             {Qt::ShiftModifier, true},
             {Qt::AltModifier, false},
             {Qt::MetaModifier, false},
             {Qt::ControlModifier, false}}) {
        reload(principal());
        QKeyEvent five(QEvent::KeyPress, Qt::Key_5, modifiers, QStringLiteral("5"));
        QCoreApplication::sendEvent(windowOf(principal()), &five);
        EXPECT_EQ(c().tmrHands.Enabled.get(), plays) << modifiers.toInt();
        EXPECT_EQ(five.isAccepted(), plays) << modifiers.toInt();
    }
}

// Pressed on the paper (with the right button: any button presses), the
// pointer taken away by the desktop (another window comes forward): the press
// ends without a click, and a click on the rock plays the rock.
TEST_F(InputTest, aPressWhoseWindowLosesThePointerClicksNothing) {
    click(c().lblPlay[0]);
    QWidget& window = *windowOf(principal());
    const auto send = [&window](QEvent::Type type, const platform::Control& control,
                                Qt::MouseButton button = Qt::LeftButton) {
        const auto [x, y] = centreOf(control);
        QMouseEvent event(type, QPointF(x, y), window.mapToGlobal(QPointF(x, y)), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    };
    send(QEvent::MouseButtonPress, c().imgOpt[0], Qt::RightButton);
    EXPECT_EQ(c().imgOpt[0].BorderStyle.get(), platform::kFixedSingle);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&window, &deactivate);
    EXPECT_EQ(c().imgOpt[0].BorderStyle.get(), platform::kNoBorder);
    EXPECT_FALSE(c().Image1.Visible);
    send(QEvent::MouseButtonPress, c().imgOpt[2]);
    send(QEvent::MouseButtonRelease, c().imgOpt[2]);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());
}

}  // namespace

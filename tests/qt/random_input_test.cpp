#include <QEvent>
#include <QKeyEvent>

#include "qt_program.h"
#include "random_input.h"

// Pointer input delivered to the forms, keys through their Qt windows; named
// outside the anonymous namespace, for the shared test's name.
struct QtInput : QtProgramRun {
    static constexpr std::uint64_t kEvents = 50000;

    static void keyPress(const platform::Form& form, int code, int keys) {
        Qt::KeyboardModifiers held;
        held.setFlag(Qt::ShiftModifier, (keys & platform::kShiftMask) != 0);
        held.setFlag(Qt::ControlModifier, (keys & platform::kCtrlMask) != 0);
        held.setFlag(Qt::AltModifier, (keys & platform::kAltMask) != 0);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, held, QString(QChar(code)));
        QCoreApplication::sendEvent(windowOf(form), &key);
    }
    static void close(const platform::Form& form) { windowOf(form)->close(); }
    // As the event loop does: window events, deletions, painting.
    static void settle(const platform::Form& form) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (form.loaded()) {
            windowOf(form)->grab();
        }
    }
};

namespace random_input {
INSTANTIATE_TYPED_TEST_SUITE_P(RandomInput, RandomInput, QtInput);
}  // namespace random_input

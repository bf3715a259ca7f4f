#include "platform/qt/qt_window_system.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/form_window.h"
#include "platform/qt/qt_font.h"

namespace platform {

std::unique_ptr<FormView> QtWindowSystem::createView(Form& form) {
    return std::make_unique<FormWindowView>(form, pictures_);
}

PixelRect QtWindowSystem::screenArea() const {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

PixelSize QtWindowSystem::textSize(const Font& font, const std::string& text) const {
    const QFontMetrics metrics(toQFont(font));
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

}  // namespace platform

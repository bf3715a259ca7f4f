#include "platform/qt/window_system.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/fonts.h"
#include "platform/qt/form_window.h"

namespace platform {

std::unique_ptr<FormView> QtWindowSystem::createView(Form& form) {
    return std::make_unique<FormWindowView>(form, *this);
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

FrameMargins QtWindowSystem::frameOf(int borderStyle) const {
    const auto known = frames_.find(borderStyle);
    return known != frames_.end() ? known->second : FrameMargins{};
}

PixelSize QtWindowSystem::textSize(const Font& font, const std::string& text) const {
    const QFontMetrics metrics(fontFor(font));
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

}  // namespace platform

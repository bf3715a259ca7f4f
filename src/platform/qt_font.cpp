#include "platform/qt_font.h"

#include <QStringList>
#include <cmath>

namespace platform {

QFont toQFont(const Font& font) {
    QFont result(QString::fromStdString(font.Name));
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    result.setPixelSize(static_cast<int>(std::lround(font.Size * kPixelsPerPoint)));
    result.setBold(font.Bold);
    result.setUnderline(font.Underline);
    return result;
}

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Segoe Print"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

}  // namespace platform

#include "platform/qt/qt_font.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>
#include <cmath>

namespace platform {

namespace {

struct StandIn {
    const char* face;     // as the layouts name it
    const char* family;   // drawn instead
    const char* package;  // the Debian package that brings the family
};

constexpr std::array kStandIns{
    StandIn{"Segoe Print", "Comic Neue", "fonts-comic-neue"},
    StandIn{"Calibri", "Carlito", "fonts-crosextra-carlito"},
    StandIn{"Arial", "Liberation Sans", "fonts-liberation2"},
};

}  // namespace

QFont toQFont(const Font& font) {
    QFont result(QString::fromStdString(font.Name));
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    result.setPixelSize(static_cast<int>(std::lround(font.Size * kPixelsPerPoint)));
    result.setBold(font.Bold);
    result.setUnderline(font.Underline);
    return result;
}

void installFontSubstitutes() {
    for (const auto& [face, family, package] : kStandIns) {
        QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(family));
    }
}

std::string missingCaptionFonts() {
    // The installed families as they are, without asking fontconfig for each
    // name's aliases: that costs more than drawing the first frame.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const char* name) {
        return installed.contains(QString::fromLatin1(name), Qt::CaseInsensitive);
    };
    QStringList missing;
    for (const auto& [face, family, package] : kStandIns) {
        if (!isInstalled(face) && !isInstalled(family)) {
            missing << QStringLiteral("%1 (%2)").arg(QString::fromLatin1(family),
                                                     QString::fromLatin1(package));
        }
    }
    return missing.join(QStringLiteral(", ")).toStdString();
}

}  // namespace platform

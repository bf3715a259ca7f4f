#include "platform/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "platform/runtime/faces.h"

namespace platform {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont fontOf(const std::string& face, int pixelSize, bool bold, bool underline) {
    QFont result(QString::fromStdString(face));
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    result.setUnderline(underline);
    return result;
}

}  // namespace

QFont fontFor(const TextRun& text) {
    return fontOf(text.face, text.pixelSize, text.bold, text.underline);
}

QFont fontFor(const Font& font) {
    return fontOf(font.Name, pixelSizeOf(font.Size), font.Bold, font.Underline);
}

void installFontSubstitutes() {
    for (const StandIn& standIn : kStandIns) {
        QFont::insertSubstitution(fromView(standIn.face), fromView(standIn.family));
    }
}

std::string missingCaptionFonts() {
    // The installed families as they are, without asking fontconfig for each
    // name's aliases: that costs more than drawing the first frame.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](std::string_view name) {
        return installed.contains(fromView(name), Qt::CaseInsensitive);
    };
    QStringList missing;
    for (const StandIn& standIn : kStandIns) {
        if (!isInstalled(standIn.face) && !isInstalled(standIn.family)) {
            missing << QStringLiteral("%1 (%2)").arg(fromView(standIn.family),
                                                     fromView(standIn.package));
        }
    }
    return missing.join(QStringLiteral(", ")).toStdString();
}

}  // namespace platform

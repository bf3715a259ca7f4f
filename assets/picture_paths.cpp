#include "picture_paths.h"

namespace zumbilo::pictures {

namespace {

QString handName(const Hand hand) {
    switch (hand) {
        case Hand::Paper:
            return QStringLiteral("paper");
        case Hand::Scissors:
            return QStringLiteral("scissors");
        case Hand::Rock:
            return QStringLiteral("rock");
    }
    return {};
}

}  // namespace

QString handPath(const Hand hand, const Side side) {
    const QString mirror = side == Side::Computer ? QStringLiteral("_mirrored") : QString();
    return QStringLiteral(":/pictures/hand_%1%2.bmp").arg(handName(hand), mirror);
}

QString logoPath() {
    return QStringLiteral(":/pictures/logo.bmp");
}

QString iconPath() {
    return QStringLiteral(":/pictures/logo.ico");
}

}  // namespace zumbilo::pictures

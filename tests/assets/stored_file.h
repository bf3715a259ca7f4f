#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

// Reading the committed pictures and their little-endian header fields.
namespace zumbilo::assets::testing {

inline QString storedPath(const QString& name) {
    return QStringLiteral(ZUMBILO_STORED_ASSETS "/") + name;
}

inline QByteArray readStored(const QString& name) {
    QFile file(storedPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::uint32_t le16(const QByteArray& bytes, const qsizetype at) {
    return static_cast<std::uint8_t>(bytes.at(at)) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes.at(at + 1))) << 8U;
}

inline std::uint32_t le32(const QByteArray& bytes, const qsizetype at) {
    return le16(bytes, at) | le16(bytes, at + 2) << 16U;
}

}  // namespace zumbilo::assets::testing

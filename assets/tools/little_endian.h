#pragma once

#include <QByteArray>

#include <cstdint>

// The BMP and ICO headers are little-endian whatever the host is.
namespace zumbilo::assets {

inline void appendLe16(QByteArray& out, const std::uint16_t value) {
    out.append(static_cast<char>(value & 0xFFU));
    out.append(static_cast<char>(value >> 8U));
}

inline void appendLe32(QByteArray& out, const std::uint32_t value) {
    appendLe16(out, static_cast<std::uint16_t>(value & 0xFFFFU));
    appendLe16(out, static_cast<std::uint16_t>(value >> 16U));
}

}  // namespace zumbilo::assets

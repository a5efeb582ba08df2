#pragma once
#include <QByteArray>
#include <QtEndian>
#include <cstdint>

namespace krivol::bmp {

// Little-endian fields of a BMP; the caller has checked that they lie inside.
inline std::uint16_t le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint16_t>(bytes.constData() + at);
}
inline std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}
inline std::uint32_t le24(const QByteArray& bytes, qsizetype at) {
    return le16(bytes, at) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes.at(at + 2))) << 16;
}
inline std::uint8_t byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint8_t>(bytes.at(at));
}

constexpr qsizetype kFileHeaderSize = 14;

}  // namespace krivol::bmp

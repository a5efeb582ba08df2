#include "state/level_write.h"

#include <QtEndian>

namespace krivol {

namespace {

constexpr int kHeaderBytes = 14 + 40;
constexpr int kRowBytes = (kGridMax * 3 + 3) / 4 * 4;

void put16(QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

QRgb colourOf(Integer code) {
    if (code == cell::kWall) return 0xFF000000u;
    if (code == cell::kDot) return 0xFFFFFFFFu;
    return kSavedFloorColour;
}

}  // namespace

QByteArray levelBmpBytes(const Field& FLD) {
    QByteArray b(kHeaderBytes + kRowBytes * kGridMax, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<quint32>(b.size()));
    put32(b, 10, kHeaderBytes);
    put32(b, 14, 40);
    put32(b, 18, kGridMax);
    put32(b, 22, kGridMax);  // positive: rows bottom-up
    put16(b, 26, 1);
    put16(b, 28, 24);
    put32(b, 34, kRowBytes * kGridMax);
    put32(b, 38, 2835);  // 72 dpi
    put32(b, 42, 2835);
    for (int y = 1; y <= kGridMax; ++y) {
        const int row = kHeaderBytes + (kGridMax - y) * kRowBytes;
        for (int x = 1; x <= kGridMax; ++x) {
            const QRgb c = colourOf(FLD(x, y));
            const int at = row + (x - 1) * 3;
            b[at] = static_cast<char>(qBlue(c));
            b[at + 1] = static_cast<char>(qGreen(c));
            b[at + 2] = static_cast<char>(qRed(c));
        }
    }
    return b;
}

}  // namespace krivol

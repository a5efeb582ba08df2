#include "assets/icon.h"

#include "assets/pictures.h"
#include "state/cell_codes.h"

namespace krivol::assets {

namespace {

constexpr int kSprite = kCellSize;
constexpr QRgb kTransparent = 0x00000000u;

QString hexColour(QRgb rgb) { return QStringLiteral("#%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0')); }

}  // namespace

QImage heroCutOut() {
    const QImage hero = heroSprite(), mask = spriteMask();
    QImage icon(kSprite, kSprite, QImage::Format_ARGB32);
    for (int y = 0; y < kSprite; ++y) {
        for (int x = 0; x < kSprite; ++x) {
            // Black in the mask is where the sprite shows over the field.
            const bool inside = (mask.pixel(x, y) & 0xFFFFFFu) == 0;
            icon.setPixel(x, y, inside ? hero.pixel(x, y) | 0xFF000000u : kTransparent);
        }
    }
    return icon;
}

QImage heroIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(kTransparent);
    const int scale = size / kSprite;
    if (scale < 1) return icon;
    const QImage cut = heroCutOut();
    const int offset = (size - scale * kSprite) / 2;
    for (int y = 0; y < size - 2 * offset; ++y) {
        for (int x = 0; x < size - 2 * offset; ++x)
            icon.setPixel(offset + x, offset + y, cut.pixel(x / scale, y / scale));
    }
    return icon;
}

QByteArray heroIconSvg() {
    const QImage cut = heroCutOut();
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 12 12\""
        " shape-rendering=\"crispEdges\">\n");
    for (int y = 0; y < kSprite; ++y) {
        for (int x = 0; x < kSprite;) {
            const QRgb colour = cut.pixel(x, y);
            int end = x + 1;
            while (end < kSprite && cut.pixel(end, y) == colour) ++end;
            if (qAlpha(colour) != 0) {
                svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"%4\"/>\n")
                           .arg(x).arg(y).arg(end - x).arg(hexColour(colour));
            }
            x = end;
        }
    }
    return (svg + QStringLiteral("</svg>\n")).toUtf8();
}

}  // namespace krivol::assets

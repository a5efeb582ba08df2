// The game's icon: the hero cut out by its mask, sharp at every size, and the
// SVG drawing the very same pixels.
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "assets/icon.h"
#include "assets/pictures.h"

namespace krivol::assets {
namespace {

TEST(Icon, HeroShowsInsideTheMaskOutlineAndNothingOutside) {
    const QImage cut = heroCutOut(), hero = heroSprite(), mask = spriteMask();
    ASSERT_EQ(cut.size(), QSize(12, 12));
    int opaque = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = qGray(mask.pixel(x, y)) == 0;
            EXPECT_EQ(qAlpha(cut.pixel(x, y)), inside ? 255 : 0) << x << "," << y;
            if (inside) {
                EXPECT_EQ(cut.pixel(x, y), hero.pixel(x, y)) << x << "," << y;
            }
            opaque += inside;
        }
    }
    EXPECT_GT(opaque, 72);  // a figure, not a speck
}

TEST(Icon, EverySizeIsAWholeNumberEnlargementCentredOnTransparency) {
    const QImage cut = heroCutOut();
    for (const int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = heroIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        const int scale = size / 12, pad = (size - 12 * scale) / 2;
        // Every pixel is exactly one sprite pixel or clear: no blending, so no blur.
        int mismatches = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int sx = x - pad, sy = y - pad;
                const bool onSprite = sx >= 0 && sy >= 0 && sx < 12 * scale && sy < 12 * scale;
                const QRgb expected = onSprite ? cut.pixel(sx / scale, sy / scale) : 0u;
                mismatches += icon.pixel(x, y) != expected;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_LE(size - 12 * scale, 12) << "more than one sprite pixel of padding";
    }
}

TEST(Icon, SvgDrawsTheSamePixels) {
    const QString svg = QString::fromUtf8(heroIconSvg());
    ASSERT_TRUE(svg.startsWith(QLatin1String("<?xml"))) << svg.toStdString();
    EXPECT_TRUE(svg.contains(QLatin1String("viewBox=\"0 0 12 12\"")));
    QImage drawn(12, 12, QImage::Format_ARGB32);
    drawn.fill(0u);
    const QRegularExpression rect(QStringLiteral(
        R"re(<rect x="(\d+)" y="(\d+)" width="(\d+)" height="1" fill="#([0-9a-f]{6})"/>)re"));
    for (const QRegularExpressionMatch& m : rect.globalMatch(svg)) {
        const int x = m.captured(1).toInt(), y = m.captured(2).toInt(), w = m.captured(3).toInt();
        for (int i = x; i < x + w; ++i) {
            ASSERT_EQ(qAlpha(drawn.pixel(i, y)), 0) << "pixel drawn twice: " << i << "," << y;
            drawn.setPixel(i, y, 0xFF000000u | m.captured(4).toUInt(nullptr, 16));
        }
    }
    EXPECT_EQ(drawn, heroCutOut());
}

}  // namespace
}  // namespace krivol::assets

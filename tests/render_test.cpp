#include <gtest/gtest.h>

#include "render/sprites.h"
#include "render/surface_ops.h"
#include "render/tiles.h"

namespace krivol {
namespace {

TEST(TileTable, EveryCodeGetsItsStripOffset) {
    EXPECT_EQ(TS(0), 0);
    EXPECT_EQ(TS(1), 12);
    EXPECT_EQ(TS(5), 24);
    EXPECT_EQ(TS(6), 48);  // ammo lies below the trap in the strip
    EXPECT_EQ(TS(20), 36);
    EXPECT_EQ(TS(7), 60);
    EXPECT_EQ(TS(100), 84);
    for (Integer unknown : {2, 3, 4, 8, 19, 21, 99, 101, 32767, -1, -100, -32768})
        EXPECT_EQ(TS(unknown), 0) << unknown;
}

TEST(TileTable, CellsLandOnTheirPixels) {
    Surfaces pics = makeSurfaces();
    redrawCell(pics, 12, 1, 1, cell::kWall);
    redrawCell(pics, 12, 50, 50, cell::kWall);
    for (QPoint corner : {QPoint(0, 0), QPoint(588, 588)}) {
        for (int dy = 0; dy < 12; ++dy)
            for (int dx = 0; dx < 12; ++dx)
                ASSERT_EQ(pics.PicBUF.pixel(corner.x() + dx, corner.y() + dy), pics.PicS.pixel(dx, 84 + dy));
    }
    EXPECT_EQ(pics.PicBUF.pixel(12, 12), kWindowBackground);
    EXPECT_EQ(pics.PicBUF.pixel(587, 587), kWindowBackground);
}

TEST(BitBlt, RasterOperationsOnRealColours) {
    QImage dst = makeSurface(4, 1, 0xFF000000);
    QImage src = makeSurface(4, 1, 0xFF000000);
    const QRgb field[] = {0xFFD9D9FF, 0xFF0080FF, 0xFFFFFFFF, 0xFFA87037};
    const QRgb sprite[] = {0xFFFFFFFF, 0xFF000000, 0xFFD37221, 0xFF808080};
    for (int i = 0; i < 4; ++i) {
        dst.setPixel(i, 0, field[i]);
        src.setPixel(i, 0, sprite[i]);
    }
    QImage anded = dst, ored = dst, copied = dst;
    BitBlt(anded, 0, 0, 4, 1, src, 0, 0, Rop::SRCAND);
    BitBlt(ored, 0, 0, 4, 1, src, 0, 0, Rop::SRCPAINT);
    BitBlt(copied, 0, 0, 4, 1, src, 0, 0, Rop::SRCCOPY);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(anded.pixel(i, 0), (field[i] & sprite[i]) | 0xFF000000u);
        EXPECT_EQ(ored.pixel(i, 0), field[i] | sprite[i]);
        EXPECT_EQ(copied.pixel(i, 0), sprite[i]);
    }
}

TEST(BitBlt, ClipsAtEveryEdgeAndReportsTheWrittenArea) {
    QImage dst = makeSurface(10, 10, 0xFFFFFFFF);
    QImage src = makeSurface(12, 12, 0xFF000000);
    src.setPixel(11, 11, 0xFFFF0000);
    EXPECT_EQ(BitBlt(dst, -5, -5, 12, 12, src, 0, 0, Rop::SRCCOPY), QRect(0, 0, 7, 7));
    EXPECT_EQ(dst.pixel(6, 6), 0xFFFF0000u);  // source pixel (11, 11)
    EXPECT_EQ(dst.pixel(7, 7), 0xFFFFFFFFu);
    EXPECT_EQ(BitBlt(dst, 8, 8, 12, 12, src, 0, 0, Rop::SRCCOPY), QRect(8, 8, 2, 2));
    EXPECT_TRUE(BitBlt(dst, 20, 0, 12, 12, src, 0, 0, Rop::SRCCOPY).isEmpty());
    EXPECT_EQ(BitBlt(dst, 0, 0, 12, 12, src, 6, 6, Rop::SRCCOPY), QRect(0, 0, 6, 6));
}

TEST(Pixels, GetPixelPacksRedLowestAndSetPixelIgnoresOutside) {
    QImage image = makeSurface(2, 2, 0xFF000000);
    SetPixel(image, 1, 0, 0xFF102030);
    SetPixel(image, 5, 5, 0xFFFFFFFF);
    SetPixel(image, -1, 0, 0xFFFFFFFF);
    EXPECT_EQ(GetPixel(image, 1, 0), 0x302010);
    EXPECT_EQ(GetPixel(image, 0, 0), 0);
    EXPECT_EQ(GetPixel(image, 9, 0), -1);
}

TEST(ShotDisc, IsTheFourByFourSquareWithoutCorners) {
    Surfaces pics = makeSurfaces();
    GameState s;
    s.SHOT[3] = 100;
    s.SHOT[4] = 200;
    SETL(pics, s);
    for (int y = 190; y < 210; ++y) {
        for (int x = 90; x < 110; ++x) {
            const bool inBox = x >= 98 && x <= 101 && y >= 198 && y <= 201;
            const bool corner = (x == 98 || x == 101) && (y == 198 || y == 201);
            EXPECT_EQ(pics.Pic1.pixel(x, y), inBox && !corner ? kShotGreen : kWindowBackground) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace krivol

#include <gtest/gtest.h>

#include "render/sprites.h"
#include "render/surface_ops.h"

namespace krivol {
namespace {

// The round outline that hero, ghost and mask share.
bool inOutline(int col, int row) {
    const int r = row <= 5 ? row : 11 - row;
    const int from[] = {5, 2, 1, 1, 1, 0};
    return col >= from[r] && col <= 11 - from[r];
}

constexpr QRgb kBackground = 0xFF3C8AD2;

struct SpriteFixture : ::testing::Test {
    SpriteFixture() : pics(makeSurfaces()), rnd(99) {
        pics.Pic1.fill(kBackground);
        s.SP = 12;
        s.HERO[3] = 306;  // centre of cell (26, 10)
        s.HERO[4] = 114;
        s.GHOST[3][ghost::kPixX] = 42;
        s.GHOST[3][ghost::kPixY] = 47;  // between two cell centres
    }
    Surfaces pics;
    GameState s;
    Rnd rnd;
};

TEST_F(SpriteFixture, HeroCoversItsCellAndLeavesTheRestAlone) {
    SETM(pics, s, rnd);
    int blackInside = 0;
    for (int y = 100; y < 130; ++y) {
        for (int x = 290; x < 320; ++x) {
            const int col = x - 300, row = y - 108;
            const bool inside = col >= 0 && col < 12 && row >= 0 && row < 12 && inOutline(col, row);
            if (!inside) {
                ASSERT_EQ(pics.Pic1.pixel(x, y), kBackground) << x << "," << y;
            } else {
                ASSERT_EQ(pics.Pic1.pixel(x, y), pics.PicM.pixel(col, row));
                blackInside += pics.Pic1.pixel(x, y) == 0xFF000000u;
            }
        }
    }
    EXPECT_EQ(blackInside, 2);  // two pixels at the edge of the hair
}

TEST_F(SpriteFixture, GhostShowsItsBlackEyesAndMouthOffCentre) {
    Integer n = 3;
    SETG(pics, s, rnd, n);
    int black = 0;
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 12; ++col) {
            const QRgb p = pics.Pic1.pixel(36 + col, 41 + row);
            if (!inOutline(col, row)) {
                ASSERT_EQ(p, kBackground);
                continue;
            }
            ASSERT_EQ(p, pics.PicG.pixel(col, row));
            black += p == 0xFF000000u;
        }
    }
    EXPECT_EQ(black, 8 + 16);  // two eyes and the mouth
}

TEST_F(SpriteFixture, SparkleOnlyWhileProtectedAndWithinFivePixels) {
    SETM(pics, s, rnd);
    EXPECT_EQ(rnd.draws(), 0u);
    s.PLAMA = -3;
    SETM(pics, s, rnd);
    EXPECT_EQ(rnd.draws(), 0u);

    s.PLAMA = 1;
    pics.Pic1.fill(kBackground);
    SETM(pics, s, rnd);
    EXPECT_EQ(rnd.draws(), 80u);
    int sparkles = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 600; ++x) {
            if (pics.Pic1.pixel(x, y) != kSparkle) continue;
            ++sparkles;
            EXPECT_LE(std::abs(x - 306), 5);
            EXPECT_LE(std::abs(y - 114), 5);
        }
    }
    EXPECT_GT(sparkles, 10);
}

TEST_F(SpriteFixture, GhostSparkleUsesItsOwnCountdown) {
    Integer n = 3;
    s.PLAMA = 50;  // the hero's countdown has nothing to do with a ghost
    SETG(pics, s, rnd, n);
    EXPECT_EQ(rnd.draws(), 0u);
    s.GHOST[3][ghost::kShield] = 1;
    SETG(pics, s, rnd, n);
    EXPECT_EQ(rnd.draws(), 60u);
}

TEST_F(SpriteFixture, SparkleFollowsTheDrawsExactly) {
    // X1 is kept as a float and px rounds half to even: replay the draws.
    s.PLAMA = 5;
    Rnd replay = rnd;
    SETM(pics, s, rnd);
    for (int i = 0; i < 40; ++i) {
        const float x1 = static_cast<float>(static_cast<double>(replay.next()) * 10.0 + 1.0);
        const int y1 = static_cast<int>(std::nearbyint(static_cast<double>(replay.next()) * 10.0 + 1.0));
        const int px = static_cast<int>(std::nearbyint(x1 + 300.0f));
        EXPECT_EQ(pics.Pic1.pixel(px, 108 + y1), kSparkle) << i;
    }
    EXPECT_GE(s.Y1, 1);
    EXPECT_LE(s.Y1, 11);
    EXPECT_GE(s.X1, 1.0f);
    EXPECT_LT(s.X1, 11.0f);
}

}  // namespace
}  // namespace krivol

// The pixel rule, the playability check, file names and the shipped levels.
#include <gtest/gtest.h>

#include <QPoint>
#include <vector>

#include "level_fixtures.h"
#include "render/surface_ops.h"
#include "render/level_preview.h"
#include "state/level_write.h"
#include "state/mirror.h"

namespace krivol {
namespace {

using fixtures::kBlack;
using fixtures::kWhite;

Field gridOf(const QImage& picture) {
    QImage PicLOAD = makeSurface(52, 52, kWhite);  // putInPicLOAD must blacken it itself
    putInPicLOAD(PicLOAD, picture);
    Field FLD;
    Long COL = 0;
    readLevel(FLD, COL, PicLOAD);
    return FLD;
}

QImage filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// ---- the pixel rule ----

TEST(LevelPixelRule, OnlyExactBlackAndWhiteCount) {
    QImage picture = filled(50, 50, kWhite);
    picture.setPixel(0, 0, kBlack);
    picture.setPixel(1, 0, qRgb(254, 255, 255));  // off-white
    picture.setPixel(2, 0, qRgb(255, 255, 254));
    picture.setPixel(3, 0, qRgb(128, 128, 128));  // grey
    picture.setPixel(4, 0, qRgb(0, 0, 128));      // dark blue, drawn as a wall by mistake
    picture.setPixel(5, 0, qRgb(1, 0, 0));
    const Field FLD = gridOf(picture);
    EXPECT_EQ(FLD(1, 1), 100);
    EXPECT_EQ(FLD(2, 1), 0);
    EXPECT_EQ(FLD(3, 1), 0);
    EXPECT_EQ(FLD(4, 1), 0);
    EXPECT_EQ(FLD(5, 1), 0);
    EXPECT_EQ(FLD(6, 1), 0);
    EXPECT_EQ(FLD(7, 1), 1);
}

TEST(LevelPixelRule, CellXYComesFromPixelXMinus1YMinus1) {
    const Field FLD = gridOf(fixtures::mazePicture());
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y)
            ASSERT_EQ(FLD(x, y), fixtures::mazeWall(x - 1, y - 1) ? 100 : 1) << x << "," << y;
}

TEST(LevelPixelRule, RowZeroAndColumnZeroStayFloorAfterAnyPicture) {
    Field FLD;
    for (int i = 0; i <= 50; ++i) {
        FLD.set(0, i, 7);
        FLD.set(i, 0, 20);
    }
    QImage PicLOAD = makeSurface(52, 52, kBlack);
    putInPicLOAD(PicLOAD, filled(50, 50, kBlack));
    Long COL = 5;
    readLevel(FLD, COL, PicLOAD);
    for (int i = 0; i <= 50; ++i) {
        EXPECT_EQ(FLD(0, i), 0) << i;
        EXPECT_EQ(FLD(i, 0), 0) << i;
    }
    EXPECT_EQ(FLD(1, 1), 100);
}

TEST(LevelPixelRule, ColHoldsTheLastPixelReadRedInTheLowByte) {
    QImage picture = filled(50, 50, kWhite);
    picture.setPixel(49, 49, qRgb(0x01, 0x02, 0x03));
    QImage PicLOAD = makeSurface(52, 52, kBlack);
    putInPicLOAD(PicLOAD, picture);
    Field FLD;
    Long COL = 0;
    readLevel(FLD, COL, PicLOAD);
    EXPECT_EQ(COL, 0x030201);
}

TEST(LevelPixelRule, BiggerPictureOnlyTopLeft50x50Counts) {
    QImage picture = filled(70, 60, kWhite);
    for (int i = 0; i < 60; ++i) picture.setPixel(50, i, kBlack);
    for (int i = 0; i < 70; ++i) picture.setPixel(i, 50, kBlack);
    const Field FLD = gridOf(picture);
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y) ASSERT_EQ(FLD(x, y), 1) << x << "," << y;
}

TEST(LevelPixelRule, SmallerPictureLeavesUncoveredCellsAsWalls) {
    const Field FLD = gridOf(filled(30, 20, kWhite));
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y)
            ASSERT_EQ(FLD(x, y), (x <= 30 && y <= 20) ? 1 : 100) << x << "," << y;
}

TEST(LevelPreview, PictureSitsTopLeftUnscaledOnBlack) {
    QImage PicLOAD;  // not made yet: the preview box makes itself
    putInPicLOAD(PicLOAD, filled(10, 8, qRgb(200, 0, 0)));
    ASSERT_EQ(PicLOAD.size(), QSize(52, 52));
    EXPECT_EQ(PicLOAD.format(), QImage::Format_RGB32);
    EXPECT_EQ(PicLOAD.pixel(9, 7), qRgb(200, 0, 0));
    EXPECT_EQ(PicLOAD.pixel(10, 7), kBlack);
    EXPECT_EQ(PicLOAD.pixel(9, 8), kBlack);
    EXPECT_EQ(PicLOAD.pixel(51, 51), kBlack);

    putInPicLOAD(PicLOAD, filled(100, 100, kWhite));  // clipped, box keeps its size
    EXPECT_EQ(PicLOAD.size(), QSize(52, 52));
    EXPECT_EQ(PicLOAD.pixel(51, 51), kWhite);

    putInPicLOAD(PicLOAD, filled(4, 4, kWhite));  // the old picture does not shine through
    EXPECT_EQ(PicLOAD.pixel(4, 4), kBlack);
}

TEST(LevelPreview, NonRgb32PictureIsCopiedWithExactColours) {
    QImage indexed = fixtures::mazePicture().convertToFormat(QImage::Format_Indexed8);
    QImage PicLOAD = makeSurface(52, 52, kBlack);
    putInPicLOAD(PicLOAD, indexed);
    EXPECT_EQ(PicLOAD.pixel(0, 0), kBlack);
    EXPECT_EQ(PicLOAD.pixel(1, 2), kWhite);
}

// ---- playability ----

// Walls but for a floor path from beside the hero's start (24, 27) up column
// 24 and along row 3, so that the dot cells addDots puts in row 2 can be reached.
Field allWalls() {
    Field FLD;
    for (int x = 0; x <= 50; ++x)
        for (int y = 0; y <= 50; ++y) FLD.set(x, y, 100);
    for (int y = 3; y <= 26; ++y) FLD.set(24, y, 0);
    for (int x = 2; x <= 24; ++x) FLD.set(x, 3, 0);
    return FLD;
}

// n dot cells inside the ring, row by row from (2,2).
void addDots(Field& FLD, int n) {
    for (int i = 0; i < n; ++i) FLD.set(2 + i % 48, 2 + i / 48, 1);
}

TEST(LevelPlayability, TwentyTwoInnerDotsAreTheMinimum) {
    Field FLD = allWalls();
    addDots(FLD, 21);
    LevelCheck check = checkLevel(FLD);
    EXPECT_EQ(check.dots, 21);
    EXPECT_FALSE(check.playable());
    EXPECT_NE(check.reason().indexOf(QStringLiteral("21")), -1) << check.reason().toStdString();

    addDots(FLD, 22);
    check = checkLevel(FLD);
    EXPECT_EQ(check.dots, 22);
    EXPECT_TRUE(check.playable());
    EXPECT_TRUE(check.reason().isEmpty());
}

TEST(LevelPlayability, OnlyDotCellsInColumnsAndRows2To49Count) {
    Field FLD = allWalls();
    for (int i = 1; i <= 50; ++i) {
        FLD.set(i, 1, 1);
        FLD.set(i, 50, 1);
        FLD.set(1, i, 1);
        FLD.set(50, i, 1);
        FLD.set(0, i, 1);  // column 0 is no part of the field
    }
    FLD.set(10, 10, 5);  // a bonus is no dot
    FLD.set(11, 10, 0);
    FLD.set(49, 49, 1);
    EXPECT_EQ(checkLevel(FLD).dots, 1);
}

TEST(LevelPlayability, ListsEveryWalkableBorderCell) {
    Field FLD = allWalls();
    addDots(FLD, 30);
    FLD.set(1, 7, 0);
    FLD.set(50, 3, 1);
    FLD.set(10, 50, 5);
    FLD.set(0, 9, 1);  // outside the field: no opening
    const LevelCheck check = checkLevel(FLD);
    const std::vector<QPoint> expected{{1, 7}, {10, 50}, {50, 3}};
    EXPECT_EQ(check.openings, expected);
    EXPECT_FALSE(check.playable());
    const QString reason = check.reason();
    for (const char* cell : {"(1,7)", "(10,50)", "(50,3)"})
        EXPECT_NE(reason.indexOf(QLatin1String(cell)), -1) << reason.toStdString();
}

TEST(LevelPlayability, ReasonNamesAFewOpeningsAndCountsTheRest) {
    Field FLD = allWalls();
    addDots(FLD, 30);
    for (int x = 1; x <= 12; ++x) FLD.set(x, 1, 0);
    const LevelCheck check = checkLevel(FLD);
    ASSERT_EQ(check.openings.size(), 12u);
    const QString reason = check.reason();
    EXPECT_NE(reason.indexOf(QLatin1String("(1,1)")), -1) << reason.toStdString();
    EXPECT_NE(reason.indexOf(QLatin1String("7 more")), -1) << reason.toStdString();
    EXPECT_NE(reason.indexOf(QLatin1String("12")), -1) << reason.toStdString();
}

TEST(LevelPlayability, BothProblemsAreReported) {
    Field FLD = allWalls();
    FLD.set(50, 50, 1);
    const QString reason = checkLevel(FLD).reason();
    EXPECT_NE(reason.indexOf(QLatin1String("only 0 dot")), -1) << reason.toStdString();
    EXPECT_NE(reason.indexOf(QLatin1String("(50,50)")), -1) << reason.toStdString();
}

TEST(LevelPlayability, StartCellIsColumn24Row27) {
    Field FLD = allWalls();
    addDots(FLD, 30);
    FLD.set(27, 24, 1);  // the transposed cell does not help
    EXPECT_TRUE(checkLevel(FLD).startIsWall);
    FLD.set(24, 27, 0);
    EXPECT_FALSE(checkLevel(FLD).startIsWall);
    // A wall on the start cell is worth knowing but leaves the level playable:
    // the hero walks out of it.
    FLD.set(24, 27, 100);
    EXPECT_TRUE(checkLevel(FLD).playable());
}

// ---- file names ----

TEST(LevelPath, NumberHasAtLeastTwoDigits) {
    EXPECT_EQ(levelPath(QStringLiteral("/opt/krivol"), 7),
              QStringLiteral("/opt/krivol/KRIVOL07.BMP"));
    EXPECT_EQ(levelPath(QStringLiteral("/opt/krivol"), 12),
              QStringLiteral("/opt/krivol/KRIVOL12.BMP"));
    EXPECT_EQ(levelPath(QStringLiteral("/opt/krivol"), 123),
              QStringLiteral("/opt/krivol/KRIVOL123.BMP"));
    EXPECT_EQ(levelPath(QStringLiteral("/opt/krivol"), 0),
              QStringLiteral("/opt/krivol/KRIVOL00.BMP"));
    EXPECT_EQ(levelPath(QStringLiteral("."), 1), QStringLiteral("./KRIVOL01.BMP"));
}

// ---- the levels we ship ----

// Walkable cells reachable from the start cell, and all walkable cells.
std::pair<int, int> reachedAndWalkable(const Field& FLD) {
    std::vector<QPoint> todo{{24, 27}};
    std::vector<std::vector<bool>> seen(51, std::vector<bool>(51, false));
    seen[24][27] = true;
    int reached = 0;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        ++reached;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + step;
            if (n.x() < 1 || n.y() < 1 || n.x() > 50 || n.y() > 50) continue;
            if (FLD(n.x(), n.y()) == 100 || seen[n.x()][n.y()]) continue;
            seen[n.x()][n.y()] = true;
            todo.push_back(n);
        }
    }
    int walkable = 0;
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y) walkable += FLD(x, y) != 100;
    return {reached, walkable};
}

class ShippedLevel : public ::testing::TestWithParam<int> {};

TEST_P(ShippedLevel, IsAPlayableConnectedBlackAndWhiteMaze) {
    const QString path = levelPath(QStringLiteral(KRIVOL_BIN_DIR), GetParam());
    const LevelPicture picture = loadLevelPicture(path);
    ASSERT_TRUE(picture.ok()) << picture.error.toStdString();
    EXPECT_EQ(picture.image.size(), QSize(50, 50));
    const Field FLD = gridOf(picture.image);
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y)
            ASSERT_TRUE(FLD(x, y) == 1 || FLD(x, y) == 100)
                << "not pure black or white at " << x << "," << y;

    const LevelCheck check = checkLevel(FLD);
    EXPECT_TRUE(check.playable()) << check.reason().toStdString();
    EXPECT_FALSE(check.startIsWall);
    EXPECT_GT(check.dots, 300);
    const auto [reached, walkable] = reachedAndWalkable(FLD);
    EXPECT_EQ(reached, walkable) << "corridors not reachable from the start cell";
}

INSTANTIATE_TEST_SUITE_P(Levels1To3, ShippedLevel, ::testing::Values(1, 2, 3));

// ---- writing levels ----

TEST(LevelWrite, TheReaderGivesBackTheGridThatWasWritten) {
    Field FLD;
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y) FLD.set(x, y, static_cast<Integer>((x * 7 + y * 3) % 3 == 0 ? 100 : (x + y) % 2));
    FLD.set(5, 6, cell::kBonus);  // anything but wall and dot is saved as floor
    const QByteArray bytes = levelBmpBytes(FLD);
    EXPECT_EQ(bytes.size(), 54 + 152 * 50);
    const LevelPicture picture = decodeLevelPicture(bytes, QStringLiteral("saved.bmp"));
    ASSERT_TRUE(picture.ok()) << picture.error.toStdString();
    EXPECT_EQ(picture.image.size(), QSize(50, 50));
    FLD.set(5, 6, cell::kFloor);
    const Field back = gridOf(picture.image);
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y) ASSERT_EQ(back(x, y), FLD(x, y)) << x << "," << y;
    EXPECT_EQ(picture.image.pixel(4, 5), kSavedFloorColour);
}

TEST(Mirror, ImagesAreTheCellAndItsReflectionsAboutTheMiddle) {
    const QPoint c(2, 30);
    const std::vector<std::pair<Mirror, std::vector<QPoint>>> cases = {
        {Mirror::none, {c}},
        {Mirror::leftRight, {c, QPoint(49, 30)}},
        {Mirror::topBottom, {c, QPoint(2, 21)}},
        {Mirror::both, {c, QPoint(49, 30), QPoint(2, 21), QPoint(49, 21)}},
    };
    for (const auto& [mirror, expected] : cases) {
        const MirrorImages images = mirrorImages(c, mirror);
        EXPECT_EQ(std::vector<QPoint>(images.begin(), images.end()), expected) << mirrorName(mirror).toStdString();
        EXPECT_EQ(mirrorFromName(mirrorName(mirror)), mirror);
    }
    EXPECT_EQ(mirrorFromName(QStringLiteral("diagonal")), std::nullopt);
}

}  // namespace
}  // namespace krivol

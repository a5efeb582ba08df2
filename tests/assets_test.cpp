#include "assets/palette.h"
#include "assets/pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include <array>
#include <cstdlib>
#include <set>
#include <string_view>
#include <utility>

namespace krivol::assets {
namespace {

constexpr int kTile = 12;

int distinctColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

int countColour(const QImage& image, QRgb colour, QRect area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

QRect tileRect(int offset)
{
    return {0, offset, kTile, kTile};
}

// The round outline shared by sprites, mask, trap and protection tiles: first and last
// column covered in each row.
constexpr std::array<std::pair<int, int>, 12> kOutline{{
    {5, 6}, {2, 9}, {1, 10}, {1, 10}, {1, 10}, {0, 11},
    {0, 11}, {1, 10}, {1, 10}, {1, 10}, {2, 9}, {5, 6},
}};

bool insideOutline(int x, int y)
{
    const auto [first, last] = kOutline[static_cast<std::size_t>(y)];
    return x >= first && x <= last;
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kLavender = qRgb(217, 217, 255);

// ---------------------------------------------------------------- grid helper

TEST(GridImage, BuildsPictureFromRowsAndPadsWhiteBelow)
{
    constexpr std::array<std::string_view, 2> rows{"X.R", "bLX"};
    const QImage image = gridImage(rows, 4);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(3, 4));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(image.pixel(1, 0), kWhite);
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 128, 255));
    EXPECT_EQ(image.pixel(1, 1), kLavender);
    EXPECT_EQ(image.pixel(2, 1), kBlack);
    EXPECT_EQ(countColour(image, kWhite, QRect(0, 2, 3, 2)), 6);
}

TEST(GridImage, RejectsBadGrids)
{
    constexpr std::array<std::string_view, 2> ragged{"XX.", "X."};
    constexpr std::array<std::string_view, 2> unknown{"XX.", "X?."};
    constexpr std::array<std::string_view, 2> lowerCaseWall{"XX.", "Xx."};
    constexpr std::array<std::string_view, 1> emptyRow{""};
    constexpr std::array<std::string_view, 2> good{"XX.", "X.."};
    EXPECT_TRUE(gridImage(ragged).isNull());
    EXPECT_TRUE(gridImage(unknown).isNull());
    EXPECT_TRUE(gridImage(lowerCaseWall).isNull());
    EXPECT_TRUE(gridImage(emptyRow).isNull());
    EXPECT_TRUE(gridImage(GridRows{}).isNull());
    EXPECT_TRUE(gridImage(good, 1).isNull()) << "height below the grid's own";
    EXPECT_FALSE(gridImage(good).isNull());
}

TEST(GridImage, PaintGridLeavesTargetAloneOnRefusal)
{
    QImage target(3, 3, QImage::Format_RGB32);
    target.fill(Qt::white);
    constexpr std::array<std::string_view, 2> wrongWidth{"XXXX", "XXXX"};
    constexpr std::array<std::string_view, 2> badSecondRow{"XXX", "X#X"};
    constexpr std::array<std::string_view, 2> good{"XXX", "XXX"};
    EXPECT_FALSE(paintGrid(target, 0, wrongWidth));
    EXPECT_FALSE(paintGrid(target, 0, badSecondRow));
    EXPECT_FALSE(paintGrid(target, 2, good)) << "runs off the bottom";
    EXPECT_FALSE(paintGrid(target, -1, good));
    EXPECT_EQ(countColour(target, kWhite, target.rect()), 9);

    EXPECT_TRUE(paintGrid(target, 1, good));
    EXPECT_EQ(countColour(target, kWhite, QRect(0, 0, 3, 1)), 3);
    EXPECT_EQ(countColour(target, kBlack, QRect(0, 1, 3, 2)), 6);
}

// ---------------------------------------------------------------- whole pictures

TEST(Pictures, SizesFormatAndColourCounts)
{
    struct Expected {
        const char* name;
        QImage image;
        QSize size;
        int colours;
    };
    const std::array<Expected, 5> pictures{{
        {"strip", tileStrip(), {12, 120}, 15},
        {"hero", heroSprite(), {12, 48}, 7},
        {"ghost", ghostSprite(), {12, 48}, 4},
        {"mask", spriteMask(), {12, 48}, 2},
        {"maze", previewMaze(), {50, 50}, 2},
    }};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        ASSERT_FALSE(p.image.isNull());
        EXPECT_EQ(p.image.size(), p.size);
        EXPECT_EQ(p.image.format(), QImage::Format_RGB32);
        EXPECT_EQ(distinctColours(p.image), p.colours);
    }
}

// One pixel for every key of the colour table, each at a spot where a row shifted by
// one or a neighbouring key would read differently.
TEST(Pictures, PixelsMatchColourKey)
{
    const QImage strip = tileStrip();
    const QImage hero = heroSprite();
    const QImage ghost = ghostSprite();
    struct Probe {
        const char* what;
        const QImage& image;
        int x, y;
        QRgb colour;
    };
    const std::array<Probe, 26> probes{{
        {"floor white", strip, 0, 0, kWhite},
        {"floor speck", strip, 3, 2, qRgb(192, 192, 192)},
        {"dot lavender", strip, 0, 12, kLavender},
        {"dot azure", strip, 1, 14, qRgb(0, 128, 255)},
        {"bonus magenta", strip, 5, 25, qRgb(255, 0, 242)},
        {"bonus pink", strip, 5, 29, qRgb(255, 128, 255)},
        {"trap green", strip, 5, 36, qRgb(0, 130, 0)},
        {"trap dark green", strip, 5, 38, qRgb(0, 64, 0)},
        {"ammo brown", strip, 1, 50, qRgb(128, 64, 0)},
        {"ammo bright green", strip, 5, 51, qRgb(0, 187, 0)},
        {"protection olive", strip, 5, 60, qRgb(213, 213, 0)},
        {"protection yellow", strip, 5, 61, qRgb(255, 255, 0)},
        {"protection pale", strip, 4, 63, qRgb(255, 255, 128)},
        {"wall black", strip, 0, 84, kBlack},
        {"wall tan", strip, 1, 85, qRgb(168, 112, 55)},
        {"wall brown speck", strip, 2, 86, qRgb(128, 64, 0)},
        {"hero hair", hero, 5, 0, qRgb(128, 128, 128)},
        {"hero eye", hero, 3, 3, qRgb(0, 0, 255)},
        {"hero cheek", hero, 2, 3, qRgb(128, 128, 128)},
        {"hero skin under cheek", hero, 2, 4, qRgb(211, 114, 33)},
        {"hero skin", hero, 0, 5, qRgb(211, 114, 33)},
        {"hero upper lip", hero, 3, 7, qRgb(128, 0, 0)},
        {"hero lower lip", hero, 3, 8, qRgb(255, 0, 0)},
        {"ghost eye", ghost, 3, 2, kBlack},
        {"ghost face", ghost, 1, 2, qRgb(255, 0, 0)},
        {"ghost nose", ghost, 5, 4, qRgb(128, 128, 128)},
    }};
    for (const auto& p : probes) {
        SCOPED_TRACE(p.what);
        ASSERT_FALSE(p.image.isNull());
        EXPECT_EQ(p.image.pixel(p.x, p.y), p.colour)
            << "at (" << p.x << "," << p.y << ") got " << std::hex << p.image.pixel(p.x, p.y);
    }
}

// ---------------------------------------------------------------- tile strip

TEST(TileStrip, TilesCarryTheirDescribedFeatures)
{
    const QImage strip = tileStrip();
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(countColour(strip, qRgb(192, 192, 192), tileRect(0)), 11) << "floor specks";
    EXPECT_EQ(countColour(strip, kWhite, tileRect(0)), 144 - 11);
    EXPECT_EQ(countColour(strip, qRgb(0, 128, 255), tileRect(12)), 12) << "azure dots";
    EXPECT_EQ(countColour(strip, kLavender, tileRect(12)), 144 - 12);
    for (int y : {0, 6, 11})
        EXPECT_EQ(countColour(strip, kBlack, QRect(0, 84 + y, kTile, 1)), kTile)
            << "mortar line, wall row " << y;
}

TEST(TileStrip, BonusFigureStandsOnTheDotTile)
{
    const QImage strip = tileStrip();
    ASSERT_FALSE(strip.isNull());
    const QRgb magenta = qRgb(255, 0, 242);
    const QRgb pink = qRgb(255, 128, 255);
    int figure = 0;
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const QRgb bonus = strip.pixel(x, 24 + y);
            if (bonus == magenta || bonus == pink)
                ++figure;
            else
                EXPECT_EQ(bonus, strip.pixel(x, 12 + y)) << "at (" << x << "," << y << ")";
        }
    EXPECT_GT(figure, 0);
}

TEST(TileStrip, RoundTilesFollowTheSpriteOutline)
{
    const QImage strip = tileStrip();
    ASSERT_FALSE(strip.isNull());
    struct Round {
        int offset;
        QRgb background;
    };
    for (const Round r : {Round{36, kWhite}, Round{60, kLavender}}) {
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x)
                EXPECT_EQ(strip.pixel(x, r.offset + y) != r.background, insideOutline(x, y))
                    << "tile " << r.offset << " at (" << x << "," << y << ")";
    }
}

TEST(TileStrip, UnusedTilesFramedAndPlainWhite)
{
    const QImage strip = tileStrip();
    ASSERT_FALSE(strip.isNull());
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const bool edge = x == 0 || y == 0 || x == kTile - 1 || y == kTile - 1;
            EXPECT_EQ(strip.pixel(x, 72 + y), edge ? kBlack : kWhite)
                << "framed tile at (" << x << "," << y << ")";
        }
    EXPECT_EQ(countColour(strip, kWhite, QRect(0, 96, kTile, 2 * kTile)), 2 * 144);
}

// ---------------------------------------------------------------- sprites

TEST(Sprites, MaskIsBlackExactlyInsideTheOutline)
{
    const QImage mask = spriteMask();
    ASSERT_FALSE(mask.isNull());
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            EXPECT_EQ(mask.pixel(x, y), insideOutline(x, y) ? kBlack : kWhite)
                << "at (" << x << "," << y << ")";
}

// AND with the mask then OR with the sprite must leave the field alone where the mask is
// white, so the sprite has to be black there.
TEST(Sprites, SpritesAreBlackWhereMaskIsWhite)
{
    const QImage mask = spriteMask();
    ASSERT_FALSE(mask.isNull());
    for (const auto& [name, sprite] : {std::pair{"hero", heroSprite()},
                                       std::pair{"ghost", ghostSprite()}}) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(sprite.isNull());
        int checked = 0;
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x)
                if (mask.pixel(x, y) == kWhite) {
                    EXPECT_EQ(sprite.pixel(x, y), kBlack) << "at (" << x << "," << y << ")";
                    ++checked;
                }
        EXPECT_EQ(checked, 144 - 104);
    }
}

TEST(Sprites, RowsBelowTheSpriteAreWhite)
{
    for (const auto& [name, sprite] : {std::pair{"hero", heroSprite()},
                                       std::pair{"ghost", ghostSprite()},
                                       std::pair{"mask", spriteMask()}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(sprite.height(), 48);
        EXPECT_EQ(countColour(sprite, kWhite, QRect(0, kTile, kTile, 36)), kTile * 36);
    }
}

// ---------------------------------------------------------------- preview maze

TEST(PreviewMaze, WallCountsAndBorders)
{
    const QImage maze = previewMaze();
    ASSERT_EQ(maze.size(), QSize(50, 50));
    EXPECT_EQ(countColour(maze, kBlack, maze.rect()), 1333);
    EXPECT_EQ(countColour(maze, kWhite, maze.rect()), 1167);
    // 1-based rows 1, 2, 50 and columns 1, 50 are wall; column 2 from row 47 down.
    for (int row : {1, 2, 50})
        EXPECT_EQ(countColour(maze, kBlack, QRect(0, row - 1, 50, 1)), 50) << "row " << row;
    for (int col : {1, 50})
        EXPECT_EQ(countColour(maze, kBlack, QRect(col - 1, 0, 1, 50)), 50) << "col " << col;
    EXPECT_EQ(countColour(maze, kBlack, QRect(1, 46, 1, 4)), 4);
    EXPECT_EQ(maze.pixel(1, 45), kWhite) << "column 2 opens above row 47";
}

TEST(PreviewMaze, HeroStartCellIsWall)
{
    const QImage maze = previewMaze();
    ASSERT_FALSE(maze.isNull());
    EXPECT_EQ(maze.pixel(23, 26), kBlack) << "column 24, row 27";
    // Row 3 column 2 is corridor while row 2 column 3 is wall: catches swapped axes.
    EXPECT_EQ(maze.pixel(1, 2), kWhite);
    EXPECT_EQ(maze.pixel(2, 1), kBlack);
}

// ---------------------------------------------------------------- for the eye

// Set KRIVOL_DUMP_DIR to get the strip and sprites side by side, 8x, as assets.png.
TEST(PictureDump, WritesEnlargedPngWhenAsked)
{
    const char* dir = std::getenv("KRIVOL_DUMP_DIR");
    if (dir == nullptr || *dir == '\0')
        GTEST_SKIP() << "KRIVOL_DUMP_DIR not set";
    const std::array<QImage, 4> pictures{tileStrip(), heroSprite(), ghostSprite(), spriteMask()};
    constexpr int kGap = 4;
    QImage sheet(4 * (kTile + kGap), 120, QImage::Format_RGB32);
    sheet.fill(qRgb(96, 160, 96));
    {
        QPainter painter(&sheet);
        for (std::size_t i = 0; i < pictures.size(); ++i)
            painter.drawImage(static_cast<int>(i) * (kTile + kGap), 0, pictures[i]);
    }
    const QImage big = sheet.scaled(sheet.size() * 8, Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
    ASSERT_TRUE(QDir().mkpath(QString::fromLocal8Bit(dir)));
    const QString path = QDir(QString::fromLocal8Bit(dir)).filePath("assets.png");
    ASSERT_TRUE(big.save(path, "PNG"));
    EXPECT_EQ(QImage(path).size(), big.size());
}

}  // namespace
}  // namespace krivol::assets

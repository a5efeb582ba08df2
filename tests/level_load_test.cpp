// Reading level pictures from files: every BMP kind a paint program writes
// must give the same grid, and a broken file an error naming it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "level_fixtures.h"
#include "render/surface_ops.h"
#include "render/level_preview.h"

namespace krivol {
namespace {

using fixtures::BmpLayout;
using fixtures::kBlack;
using fixtures::kWhite;

class LevelFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const {
        const QString file = path(name);
        EXPECT_TRUE(fixtures::writeFile(file, bytes)) << file.toStdString();
        return file;
    }

    QString saveWithQt(const QString& name, const QImage& image) const {
        const QString file = path(name);
        EXPECT_TRUE(image.save(file)) << file.toStdString();
        return file;
    }

    // The grid a file gives; fails the test when the file is refused.
    static Field grid(const QString& file) {
        const LevelPicture picture = loadLevelPicture(file);
        Field FLD;
        EXPECT_TRUE(picture.ok()) << picture.error.toStdString();
        if (!picture.ok()) return FLD;
        EXPECT_EQ(picture.image.format(), QImage::Format_RGB32);
        QImage PicLOAD = makeSurface(52, 52, kBlack);
        putInPicLOAD(PicLOAD, picture.image);
        Long COL = 0;
        readLevel(FLD, COL, PicLOAD);
        return FLD;
    }

    static void expectMazeGrid(const QString& file) {
        SCOPED_TRACE(file.toStdString());
        const Field FLD = grid(file);
        for (int x = 1; x <= 50; ++x)
            for (int y = 1; y <= 50; ++y)
                ASSERT_EQ(FLD(x, y), fixtures::mazeWall(x - 1, y - 1) ? 100 : 1) << x << "," << y;
        for (int i = 0; i <= 50; ++i) ASSERT_TRUE(FLD(0, i) == 0 && FLD(i, 0) == 0) << i;
    }

    void expectRefused(const QString& file, const QString& why) const {
        const LevelPicture picture = loadLevelPicture(file);
        EXPECT_FALSE(picture.ok()) << file.toStdString();
        EXPECT_TRUE(picture.image.isNull());
        EXPECT_NE(picture.error.indexOf(file), -1) << picture.error.toStdString();
        EXPECT_NE(picture.error.indexOf(why), -1) << picture.error.toStdString();
    }

    static std::uint16_t bitCountOf(const QString& file) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) return 0;
        const QByteArray header = f.read(30);
        return header.size() < 30 ? 0 : qFromLittleEndian<std::uint16_t>(header.constData() + 28);
    }

    QTemporaryDir dir_;
};

// ---- every kind gives the same grid ----

TEST_F(LevelFile, QtWrittenBmpAndPngGiveTheSameGrid) {
    const QImage maze = fixtures::mazePicture();
    const QString mono = saveWithQt("mono.bmp", maze.convertToFormat(QImage::Format_Mono));
    // Qt writes 4 bits for up to 16 colours; a longer table makes it write 8.
    QList<QRgb> greys;
    for (int i = 0; i < 256; i += 15) greys << qRgb(i, i, i);
    const QString indexed =
        saveWithQt("indexed.bmp", maze.convertToFormat(QImage::Format_Indexed8, greys));
    const QString rgb = saveWithQt("rgb.bmp", maze.convertToFormat(QImage::Format_RGB888));
    EXPECT_EQ(bitCountOf(mono), 1);
    EXPECT_EQ(bitCountOf(indexed), 8);
    EXPECT_EQ(bitCountOf(rgb), 24);
    expectMazeGrid(mono);
    expectMazeGrid(indexed);
    expectMazeGrid(rgb);
    expectMazeGrid(saveWithQt("maze.png", maze));
    expectMazeGrid(saveWithQt("maze.ppm", maze));
}

TEST_F(LevelFile, HandWrittenIndexedBmpsGiveTheSameGrid) {
    const QImage maze = fixtures::mazePicture();
    expectMazeGrid(write("b1.bmp", fixtures::bmpBytes(maze, {.bits = 1})));
    expectMazeGrid(write("b4.bmp", fixtures::bmpBytes(maze, {.bits = 4})));
    expectMazeGrid(write("b8.bmp", fixtures::bmpBytes(maze, {.bits = 8})));
    expectMazeGrid(write("b8top.bmp", fixtures::bmpBytes(maze, {.bits = 8, .topDown = true})));
    expectMazeGrid(write("os2.bmp", fixtures::bmpBytes(maze, {.bits = 8, .infoSize = 12})));
}

TEST_F(LevelFile, RleBmpsGiveTheSameGrid) {
    const QImage maze = fixtures::mazePicture();
    expectMazeGrid(write("rle8.bmp", fixtures::bmpBytes(maze, {.bits = 8, .compression = 1})));
    expectMazeGrid(write("rle4.bmp", fixtures::bmpBytes(maze, {.bits = 4, .compression = 2})));
}

TEST_F(LevelFile, TrueColourBmpsGiveTheSameGrid) {
    const QImage maze = fixtures::mazePicture();
    expectMazeGrid(write("b24top.bmp", fixtures::bmpBytes(maze, {.bits = 24, .topDown = true})));
    expectMazeGrid(write("b32.bmp", fixtures::bmpBytes(maze, {.bits = 32})));
    expectMazeGrid(write("b32top.bmp", fixtures::bmpBytes(maze, {.bits = 32, .topDown = true})));
    expectMazeGrid(write(
        "b32v4.bmp", fixtures::bmpBytes(maze, {.bits = 32, .compression = 3, .infoSize = 108})));
    expectMazeGrid(write(
        "b32ten.bmp",
        fixtures::bmpBytes(maze, {.bits = 32, .compression = 3, .masks = fixtures::kMasks101010})));
}

// Qt widens 5-bit channels by shifting, which would turn every white pixel
// of a 16-bit level into 0xF8F8F8 floor and lose all its dots.
TEST_F(LevelFile, SixteenBitBmpsReadFullWhite) {
    const QImage maze = fixtures::mazePicture();
    expectMazeGrid(
        write("b16.bmp", fixtures::bmpBytes(maze, {.bits = 16, .masks = fixtures::kMasks555})));
    expectMazeGrid(write(
        "b16top.bmp",
        fixtures::bmpBytes(maze, {.bits = 16, .topDown = true, .masks = fixtures::kMasks555})));
    expectMazeGrid(write(
        "b565.bmp",
        fixtures::bmpBytes(maze, {.bits = 16, .compression = 3, .masks = fixtures::kMasks565})));
    expectMazeGrid(write(
        "b565v4.bmp",
        fixtures::bmpBytes(
            maze, {.bits = 16, .compression = 3, .infoSize = 108, .masks = fixtures::kMasks565})));
}

TEST_F(LevelFile, SixteenBitNearWhiteStaysFloor) {
    QImage picture(4, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, kWhite);
    picture.setPixel(1, 0, qRgb(247, 255, 255));  // one step below full red in 5 bits
    picture.setPixel(2, 0, qRgb(255, 251, 255));  // one step below full green in 6 bits
    picture.setPixel(3, 0, kBlack);
    const LevelPicture loaded = loadLevelPicture(write(
        "near.bmp",
        fixtures::bmpBytes(picture, {.bits = 16, .compression = 3, .masks = fixtures::kMasks565})));
    ASSERT_TRUE(loaded.ok()) << loaded.error.toStdString();
    EXPECT_EQ(loaded.image.pixel(0, 0), kWhite);
    EXPECT_NE(loaded.image.pixel(1, 0), kWhite);
    EXPECT_NE(loaded.image.pixel(2, 0), kWhite);
    EXPECT_EQ(loaded.image.pixel(3, 0), kBlack);
    EXPECT_EQ(qGreen(loaded.image.pixel(1, 0)), 255);
}

TEST_F(LevelFile, PictureWithAnyNameAndSuffixIsReadByContent) {
    const QString png = saveWithQt("maze.png", fixtures::mazePicture());
    const QString disguised = path("KRIVOL04.BMP");
    ASSERT_TRUE(QFile::copy(png, disguised));
    expectMazeGrid(disguised);
}

// ---- refused files ----

TEST_F(LevelFile, MissingEmptyFolderAndNonPictureAreRefused) {
    expectRefused(path("KRIVOL09.BMP"), QStringLiteral("no such file"));
    expectRefused(write("empty.bmp", QByteArray()), QStringLiteral("empty"));
    expectRefused(write("notes.bmp", QByteArray("just some text, not a picture\n")),
                  QStringLiteral("picture"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.bmp"));
    expectRefused(path("folder.bmp"), QStringLiteral("folder"));
}

// Qt hands back a full-size image for a BMP cut short, with garbage rows.
TEST_F(LevelFile, EveryCutShortPlainBmpIsRefused) {
    const QImage maze = fixtures::mazePicture();
    for (const BmpLayout layout :
         {BmpLayout{.bits = 24}, BmpLayout{.bits = 1}, BmpLayout{.bits = 8},
          BmpLayout{.bits = 16, .masks = fixtures::kMasks555},
          BmpLayout{.bits = 32, .topDown = true}}) {
        const QByteArray whole = fixtures::bmpBytes(maze, layout);
        for (qsizetype size = 1; size < whole.size(); size += (size < 200 ? 1 : 37)) {
            const QString file =
                write(QStringLiteral("cut%1_%2.bmp").arg(layout.bits).arg(size), whole.left(size));
            ASSERT_FALSE(loadLevelPicture(file).ok())
                << layout.bits << " bits, " << size << " bytes";
            QFile::remove(file);
        }
        const LevelPicture lastRowShort =
            loadLevelPicture(write("last.bmp", whole.left(whole.size() - 1)));
        EXPECT_NE(lastRowShort.error.indexOf(QLatin1String("cut short")), -1)
            << lastRowShort.error.toStdString();
    }
}

TEST_F(LevelFile, CutShortRleBmpIsRefused) {
    const QImage maze = fixtures::mazePicture();
    for (const BmpLayout layout :
         {BmpLayout{.bits = 8, .compression = 1}, BmpLayout{.bits = 4, .compression = 2}}) {
        const QByteArray whole = fixtures::bmpBytes(maze, layout);
        // Only the end-of-bitmap mark may go missing: all rows are there without it.
        for (qsizetype size = 1; size < whole.size() - 2; size += 3) {
            const QString file =
                write(QStringLiteral("rle%1_%2.bmp").arg(layout.bits).arg(size), whole.left(size));
            ASSERT_FALSE(loadLevelPicture(file).ok())
                << layout.bits << " bits, " << size << " bytes";
            QFile::remove(file);
        }
        expectMazeGrid(write("rle_no_end.bmp", whole.left(whole.size() - 2)));
    }
}

TEST_F(LevelFile, HeaderPromisingAHugePictureIsRefusedNotAllocated) {
    QByteArray bytes = fixtures::bmpBytes(fixtures::mazePicture(), {.bits = 24});
    const std::uint32_t huge = 1000000;
    for (int at : {18, 22}) std::memcpy(bytes.data() + at, &huge, 4);
    expectRefused(write("huge.bmp", bytes), QStringLiteral("cut short"));
}

TEST_F(LevelFile, CorruptedHeadersNeverCrashTheLoader) {
    const QImage maze = fixtures::mazePicture();
    for (const BmpLayout layout :
         {BmpLayout{.bits = 16, .compression = 3, .masks = fixtures::kMasks565},
          BmpLayout{.bits = 8, .compression = 1}, BmpLayout{.bits = 4}}) {
        const QByteArray whole = fixtures::bmpBytes(maze, layout);
        for (int at = 0; at < 70; ++at) {
            for (char value : {'\0', '\x7f', '\xff'}) {
                QByteArray bytes = whole;
                bytes[at] = value;
                const QString file = write("corrupt.bmp", bytes);
                const LevelPicture picture = loadLevelPicture(file);
                // Whatever the verdict, it is a consistent one.
                ASSERT_EQ(picture.ok(), !picture.image.isNull()) << at << " " << int(value);
                if (!picture.ok()) {
                    ASSERT_NE(picture.error.indexOf(file), -1) << picture.error.toStdString();
                }
            }
        }
    }
}

}  // namespace
}  // namespace krivol

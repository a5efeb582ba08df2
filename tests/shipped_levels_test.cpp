// The three shipped mazes: written by tools/make_levels.py, committed, and
// centred on the field.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace krivol {
namespace {

const QStringList kLevels = {"KRIVOL01.BMP", "KRIVOL02.BMP", "KRIVOL03.BMP"};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ShippedLevels, AreWhatTheGeneratorWrites) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    QTemporaryDir out;
    QProcess gen;
    gen.start(python, {KRIVOL_SOURCE_DIR "/tools/make_levels.py", out.path()});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
    for (const QString& name : kLevels) {
        const QByteArray committed = readFile(KRIVOL_SOURCE_DIR "/data/" + name);
        EXPECT_FALSE(committed.isEmpty()) << name.toStdString();
        EXPECT_EQ(readFile(out.filePath(name)), committed) << name.toStdString() << " is not regenerated";
    }
}

// The outer ring of cells is wall and the ring inside it is not, on all four
// sides alike, so no side shows a thicker wall than the others.
TEST(ShippedLevels, HaveAOneCellWallOnEverySide) {
    for (const QString& name : kLevels) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = QImage(KRIVOL_BIN_DIR "/" + name).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), QSize(50, 50));
        const auto wall = [&](int x, int y) { return image.pixel(x, y) == 0xFF000000u; };
        int outerOpen = 0;
        int innerOpen[4] = {0, 0, 0, 0};  // left, right, top, bottom
        for (int i = 0; i < 50; ++i) {
            outerOpen += !wall(0, i) + !wall(49, i) + !wall(i, 0) + !wall(i, 49);
            innerOpen[0] += !wall(1, i);
            innerOpen[1] += !wall(48, i);
            innerOpen[2] += !wall(i, 1);
            innerOpen[3] += !wall(i, 48);
        }
        EXPECT_EQ(outerOpen, 0);
        for (int side = 0; side < 4; ++side) EXPECT_GT(innerOpen[side], 10) << "side " << side;
    }
}

}  // namespace
}  // namespace krivol

// The editor's recovery copies: what a copy keeps, what is not one, and
// copies of editors that run at once, end, or cannot write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "editor/recovery_copy.h"
#include "files/local_path.h"

namespace krivol {
namespace {

// Every cell its own mix of the three kinds, so swapped axes show.
Field drawing(int seed) {
    Field grid;
    const Integer codes[] = {cell::kWall, cell::kDot, cell::kFloor};
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) grid.set(x, y, codes[(x * 7 + y * 3 + seed) % 3]);
    return grid;
}

bool sameGrid(const Field& a, const Field& b) {
    for (int x = 0; x <= kGridMax; ++x)
        for (int y = 0; y <= kGridMax; ++y)
            if (a(x, y) != b(x, y)) return false;
    return true;
}

RecoveryCopy copyOf(int seed, const QString& file) {
    return {drawing(seed), file, seed % 2 == 1, QDateTime(QDate(2026, 12, 10), QTime(12, 0, seed), Qt::UTC)};
}

TEST(RecoveryCopy, BytesGiveBackTheCopyAndAnythingElseIsRefused) {
    for (const QString& file : {QString(), QStringLiteral("/levels/KRIVOL07.BMP"),
                                pathFromLocal("/odd dir/100%\nnew\xff line.bmp")}) {
        const RecoveryCopy copy = copyOf(int(file.size()) % 5, file);
        const RecoveryReading back = readRecoveryBytes(recoveryBytes(copy));
        ASSERT_TRUE(back.copy) << file.toStdString();
        EXPECT_TRUE(sameGrid(back.copy->grid, copy.grid));
        EXPECT_EQ(pathToLocal(back.copy->file), pathToLocal(file));
        EXPECT_EQ(back.copy->savesInPlace, copy.savesInPlace);
        EXPECT_EQ(back.copy->written, copy.written);
    }
    const QByteArray good = recoveryBytes(copyOf(1, QStringLiteral("/a.bmp")));
    const auto edited = [&](qsizetype at, const QByteArray& with, qsizetype cut = 1) {
        return QByteArray(good).replace(at, cut, with);
    };
    const qsizetype grid = good.indexOf('\n', good.indexOf("written")) + 1;  // the first row
    struct Case {
        const char* what;
        QByteArray bytes;
        CopyDamage damage;
        int line;
    } cases[] = {
        {"empty", {}, CopyDamage::foreign, 0},
        {"another program's text", "hello\n", CopyDamage::foreign, 0},
        {"a later version", QByteArray(good).replace("copy 1", "copy 2"), CopyDamage::foreign, 0},
        {"cut in the grid", good.left(good.size() / 2), CopyDamage::cut, 0},
        {"cut before its last line break", good.chopped(1), CopyDamage::cut, 0},
        {"more after the end", good + "x\n", CopyDamage::badLine, 56},
        {"no file line", QByteArray(good).replace("\nfile ", "\nfiles "), CopyDamage::badLine, 2},
        {"in-place neither 0 nor 1", QByteArray(good).replace("in-place 1", "in-place 7"), CopyDamage::badLine, 3},
        {"a time that is none", QByteArray(good).replace("2026-12-10", "2026-13-40"), CopyDamage::badLine, 4},
        {"an unknown cell", edited(grid + 3, "*"), CopyDamage::badLine, 5},
        {"a short row", edited(grid + 60, ""), CopyDamage::badLine, 6},
        {"a NUL in a row", edited(grid + 51 * 49 + 10, QByteArray(1, '\0')), CopyDamage::badLine, 54},
    };
    for (const Case& c : cases) {
        const RecoveryReading r = readRecoveryBytes(c.bytes);
        EXPECT_FALSE(r.copy) << c.what;
        EXPECT_EQ(r.damage, c.damage) << c.what;
        EXPECT_EQ(r.line, c.line) << c.what;
    }
}

TEST(RecoveryCopy, StateFolderFollowsXdgAndFallsBackToHome) {
    EXPECT_EQ(recoveryFolderFor(QStringLiteral("/s"), QStringLiteral("/h")), QStringLiteral("/s/krivol"));
    EXPECT_EQ(recoveryFolderFor({}, QStringLiteral("/h")), QStringLiteral("/h/.local/state/krivol"));
    EXPECT_EQ(recoveryFolderFor(QStringLiteral("rel"), QStringLiteral("/h")), QStringLiteral("/h/.local/state/krivol"));
}

QString pathOf(const RecoverySlot& slot) { return QFileInfo(slot.copyPath()).fileName(); }

TEST(RecoveryFolder, EditorsKeepApartAndOnlyTheGoneOnesAreOffered) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state/krivol"));  // made at the first write
    auto first = std::make_unique<RecoverySlot>(folder, 4242);
    RecoverySlot second(folder, 4243);
    ASSERT_FALSE(first->write(copyOf(1, QStringLiteral("/one.bmp"))));
    ASSERT_FALSE(second.write(copyOf(2, QStringLiteral("/two.bmp"))));
    ASSERT_FALSE(first->write(copyOf(3, QStringLiteral("/one.bmp"))));  // its own copy again
    EXPECT_NE(first->copyPath(), second.copyPath());
    EXPECT_EQ(QFileInfo(folder).permissions() & 0077, 0);
    EXPECT_TRUE(findLeftCopies(folder).copies.empty()) << "both editors still run";

    // The first editor dies; a third one gets its process id.
    first.reset();
    RecoverySlot third(folder, 4242);
    ASSERT_FALSE(third.write(copyOf(4, {})));
    EXPECT_NE(third.copyPath(), pathOf(second));
    // Not copies, named like them; and a stranger's file, not named like one.
    QDir(folder).mkdir(QStringLiteral("folder.draft"));
    ASSERT_EQ(::mkfifo(pathToLocal(folder + QStringLiteral("/pipe.draft")).constData(), 0600), 0);
    QFile damaged(folder + QStringLiteral("/damaged.draft"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(recoveryBytes(copyOf(5, {})).left(900));
    damaged.close();
    QFile(folder + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
    QFile(folder + QStringLiteral("/77-1.lock")).open(QIODevice::WriteOnly);  // a gone editor's, no copy

    FoundCopies found = findLeftCopies(folder);
    ASSERT_EQ(found.copies.size(), 1u);
    EXPECT_TRUE(sameGrid(found.copies[0].copy.grid, drawing(3)));
    EXPECT_EQ(found.copies[0].copy.file, QStringLiteral("/one.bmp"));
    QStringList skipped;
    for (const SkippedCopy& s : found.skipped) skipped << QFileInfo(s.path).fileName();
    EXPECT_EQ(skipped, QStringList({QStringLiteral("damaged.draft"), QStringLiteral("folder.draft"),
                                    QStringLiteral("pipe.draft")}));
    EXPECT_EQ(found.skipped[0].damage, CopyDamage::cut);
    EXPECT_EQ(found.skipped[2].problem.fault, FileFault::fifo);
    EXPECT_TRUE(findLeftCopies(folder).copies.empty()) << "one copy offered by two editors at once";
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/77-1.lock")));

    removeFound(found.copies[0]);
    second.remove();
    EXPECT_FALSE(QFile::exists(second.copyPath()));
    EXPECT_TRUE(findLeftCopies(folder).copies.empty());
    EXPECT_TRUE(QFile::exists(third.copyPath()));
    EXPECT_TRUE(QFile::exists(QString(second.copyPath()).replace(QStringLiteral(".draft"), QStringLiteral(".lock"))))
        << "a running editor's lock taken for a stale one";
}

TEST(RecoveryFolder, AFolderThatCannotBeMadeIsAProblemNotACrash) {
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
    for (const QString& folder : {dir.filePath(QStringLiteral("file")), dir.filePath(QStringLiteral("file/krivol")),
                                  dir.filePath(QStringLiteral("file/deeper/krivol"))}) {
        RecoverySlot slot(folder, 1);
        EXPECT_TRUE(slot.write(copyOf(1, {}))) << folder.toStdString();
        EXPECT_FALSE(slot.hasCopy());
        EXPECT_TRUE(findLeftCopies(folder).copies.empty());
    }
}

}  // namespace
}  // namespace krivol

// Where levels and sounds are found: the --levels folder, the program's
// folder, the installed data folder; and krivol-cli's level numbers.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "round/session.h"
#include "round/startup.h"
#include "state/build_info.h"
#include "state/data_folders.h"
#include "support/cli_run.h"
#include "support/level_grid.h"

namespace krivol::test {
namespace {

// An installed tree: bin/, the data folder the programs find from there, and
// a player's own folder of levels.
class Lookup : public ::testing::Test {
protected:
    Lookup() {
        for (const QString& folder : {bin(), data(), debianData(), mine()}) QDir().mkpath(folder);
    }
    QString bin() const { return dir_.filePath(QStringLiteral("bin")); }
    QString data() const { return QDir::cleanPath(bin() + QLatin1Char('/') + QLatin1String(build::kDataFromBin)); }
    // Where a Debian package keeps the data, seen from its /usr/games.
    QString debianData() const { return dir_.filePath(QStringLiteral("share/games/krivol")); }
    QString mine() const { return dir_.filePath(QStringLiteral("mine")); }
    QString put(const QString& folder, const QString& name) const {
        const QString path = folder + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        return path;
    }
    DataFolders installed(bool withMine) const {
        DataFolders folders = DataFolders::besideProgram(bin());
        if (withMine) {
            EXPECT_EQ(folders.preferLevelsFrom(mine()), QString());
        }
        return folders;
    }
    QTemporaryDir dir_;
};

TEST_F(Lookup, FirstFolderHoldingTheFileWinsAndAMissingOneIsNamedBesideTheProgram) {
    enum Where { kMine = 1, kBin = 2, kData = 4, kDebian = 8 };
    struct Row {
        int holders;   // where KRIVOL01.BMP lies
        bool levelsOption;
        int expected;  // 0: found nowhere
    };
    const Row rows[] = {
        {kData, false, kData},        {kBin | kData, false, kBin},  {kMine | kBin | kData, true, kMine},
        {kMine | kData, false, kData}, {kMine, true, kMine},        {0, true, 0},
        {kMine, false, 0},           {kDebian, false, kDebian},    {kData | kDebian, true, kData},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "holders " << row.holders << " --levels " << row.levelsOption);
        for (const QString& folder : {mine(), bin(), data(), debianData()})
            QFile::remove(folder + QStringLiteral("/KRIVOL01.BMP"));
        if (row.holders & kMine) put(mine(), QStringLiteral("KRIVOL01.BMP"));
        if (row.holders & kBin) put(bin(), QStringLiteral("KRIVOL01.BMP"));
        if (row.holders & kData) put(data(), QStringLiteral("KRIVOL01.BMP"));
        if (row.holders & kDebian) put(debianData(), QStringLiteral("KRIVOL01.BMP"));
        const QString folder = row.expected == kMine     ? mine()
                               : row.expected == kData   ? data()
                               : row.expected == kDebian ? debianData()
                                                         : bin();
        EXPECT_EQ(installed(row.levelsOption).levelFile(1), folder + QStringLiteral("/KRIVOL01.BMP"));
    }
}

TEST_F(Lookup, SoundsComeFromTheProgramThenTheDataFolderNeverFromTheLevelsFolder) {
    put(mine(), QStringLiteral("b.WAV"));
    put(mine(), QStringLiteral("g.WAV"));
    put(data(), QStringLiteral("g.WAV"));
    put(data(), QStringLiteral(u"взрыв.wav"));
    put(bin(), QStringLiteral(u"взрыв.wav"));
    const DataFolders folders = installed(true);
    EXPECT_EQ(folders.soundFile(QStringLiteral("b.WAV")), bin() + QStringLiteral("/b.WAV"));
    EXPECT_EQ(folders.soundFile(QStringLiteral("g.WAV")), data() + QStringLiteral("/g.WAV"));
    EXPECT_EQ(folders.soundFile(QStringLiteral(u"взрыв.wav")), bin() + QStringLiteral(u"/взрыв.wav"));
}

TEST_F(Lookup, AnythingAtTheNameStopsTheSearchSoTheLoaderCanRefuseIt) {
    const QString fifo = bin() + QStringLiteral("/KRIVOL02.BMP");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    LevelGrid::openRoom().save(data() + QStringLiteral("/KRIVOL02.BMP"));
    EXPECT_EQ(installed(false).levelFile(2), fifo);
}

TEST_F(Lookup, LevelsOptionWantsAFolder) {
    DataFolders folders = installed(false);
    const QString file = put(mine(), QStringLiteral("KRIVOL03.BMP"));
    for (const QString& bad : {file, dir_.filePath(QStringLiteral("nowhere"))}) {
        const QString error = folders.preferLevelsFrom(bad);
        EXPECT_TRUE(error.contains(bad)) << error.toStdString();
    }
    EXPECT_EQ(folders.levelFile(3), bin() + QStringLiteral("/KRIVOL03.BMP"));  // unchanged by the refusals
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    EXPECT_EQ(folders.preferLevelsFrom(QStringLiteral("./mine/")), QString());
    EXPECT_EQ(folders.levelFile(3), QStringLiteral("mine/KRIVOL03.BMP"));
    QDir::setCurrent(cwd);
}

TEST_F(Lookup, ChosenLevelRecordsThePathItWasLoadedFrom) {
    LevelGrid::openRoom().save(data() + QStringLiteral("/KRIVOL02.BMP"));
    Session session(1, installed(false));
    EXPECT_TRUE(chooseLevel(session.game, installed(false), 2).playable());
    EXPECT_EQ(session.s.nam_kri, data() + QStringLiteral("/KRIVOL02.BMP"));
    EXPECT_EQ(session.pics.PicLOAD.pixel(1, 1), 0xFFFFFFFFu);  // the room's dots, not a black box
    EXPECT_FALSE(chooseLevel(session.game, installed(false), 3).picture.ok());
    EXPECT_EQ(session.s.nam_kri, bin() + QStringLiteral("/KRIVOL03.BMP"));
}

// ---- krivol-cli: a LEVEL may be a number ----

CliRun cli(const QStringList& args) { return runCli(args); }

TEST_F(Lookup, CliTakesLevelNumbersThroughTheSameLookup) {
    const QString own = LevelGrid::openRoom().save(mine() + QStringLiteral("/KRIVOL01.BMP"));
    const QString shipped = QStringLiteral(KRIVOL_BIN_DIR "/KRIVOL01.BMP");
    struct Row {
        QStringList args;
        int exitCode;
        QString named;  // the file the output or the error names
    };
    const Row rows[] = {
        {{"check", "1"}, 0, shipped},
        {{"check", "--levels", mine(), "1"}, 0, own},
        {{"check", "--levels", mine(), "2"}, 0, QStringLiteral(KRIVOL_BIN_DIR "/KRIVOL02.BMP")},
        {{"grid", "--levels", mine(), "7"}, 1, QStringLiteral(KRIVOL_BIN_DIR "/KRIVOL07.BMP")},
        {{"check", "--levels", own, "1"}, 2, own},
        {{"play", "1", "--levels", mine(), "--seed", "3", "--ticks", "1", "--trace", "-"}, 0, QString()},
        {{"play", "9", "--seed", "3"}, 1, QStringLiteral(KRIVOL_BIN_DIR "/KRIVOL09.BMP")},
    };
    for (const Row& row : rows) {
        const CliRun run = cli(row.args);
        SCOPED_TRACE(row.args.join(' ').toStdString() + "\n" + run.out.toStdString() + run.err.toStdString());
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE((run.out + run.err).contains(row.named));
    }
}

}  // namespace
}  // namespace krivol::test

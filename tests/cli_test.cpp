#include <QBuffer>
// krivol-cli as a user runs it: output format, messages and exit codes.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <limits>

#include "level_fixtures.h"
#include "mazegen/maze_command.h"
#include "state/level_write.h"
#include "support/cli_run.h"

namespace krivol {
namespace {

using fixtures::kBlack;
using fixtures::kWhite;
using test::CliRun;

CliRun cli(const QStringList& args) { return test::runCli(args); }

// A closed 50 x 50 maze with walls inside, open at the start cell.
QImage playableLevel() {
    QImage image = fixtures::mazePicture();
    image.setPixel(23, 26, kWhite);
    return image;
}

class KrivolCli : public ::testing::Test {
protected:
    QString save(const QString& name, const QImage& image) const {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(fixtures::writeFile(path, bytes));
        return path;
    }
    QTemporaryDir dir_;
};

// ---- grid ----

TEST_F(KrivolCli, GridPrintsFiftyRowsOfFiftyCodes) {
    QImage level = playableLevel();
    level.setPixel(10, 20, qRgb(128, 128, 128));  // floor: cell (11, 21)
    const CliRun run = cli({"grid", save("level.bmp", level)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    ASSERT_TRUE(run.out.endsWith(QLatin1Char('\n')));
    const QStringList lines = run.out.chopped(1).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 50);
    for (int y = 1; y <= 50; ++y) {
        const QStringList codes = lines[y - 1].split(QLatin1Char(' '));
        ASSERT_EQ(codes.size(), 50) << "line " << y;
        for (int x = 1; x <= 50; ++x) {
            const char* expected = (x == 11 && y == 21)               ? "0"
                                   : (x == 24 && y == 27)             ? "1"
                                   : fixtures::mazeWall(x - 1, y - 1) ? "100"
                                                                      : "1";
            ASSERT_EQ(codes[x - 1], QLatin1String(expected)) << x << "," << y;
        }
    }
}

TEST_F(KrivolCli, GridOfAnUnreadableFileIsOneErrorLineAndExit1) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(50, 50, QImage::Format_RGB32).save(&buffer, "PNG");
    // A cut PNG makes the decoder itself complain; only our line may show.
    for (const QString& path :
         {dir_.filePath("KRIVOL77.BMP"), write("text.bmp", "hello"),
          write("empty.bmp", QByteArray()),
          write("cut.bmp", fixtures::bmpBytes(playableLevel(), {}).left(3000)),
          write("cut.png", png.left(png.size() / 2))}) {
        const CliRun run = cli({"grid", path});
        EXPECT_EQ(run.exitCode, 1) << path.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
    }
}

TEST_F(KrivolCli, UsageErrorsExit2WithUsageOnStderr) {
    const QString level = save("level.bmp", playableLevel());
    for (const QStringList& args : {QStringList{}, QStringList{"grid"}, QStringList{"check"},
                                    QStringList{"grid", level, level}, QStringList{"draw", level},
                                    QStringList{"grid", "--frob", level}, QStringList{"--frob"}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("Usage"))) << run.err.toStdString();
    }
}

TEST_F(KrivolCli, HelpListsTheCommands) {
    const CliRun run = cli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word : {"grid", "check", "play"})
        EXPECT_TRUE(run.out.contains(QLatin1String(word))) << run.out.toStdString();
    const CliRun gridHelp = cli({"grid", "--help"});
    EXPECT_EQ(gridHelp.exitCode, 0);
    EXPECT_TRUE(gridHelp.out.contains(QLatin1String("grid LEVEL"))) << gridHelp.out.toStdString();
}

// ---- check ----

TEST_F(KrivolCli, CheckPassesAClosedLevelWithEnoughDots) {
    const CliRun run = cli({"check", save("level.png", playableLevel())});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QLatin1String("playable"))) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains(QLatin1String("not playable")));
    EXPECT_TRUE(run.out.contains(QLatin1String("start cell (column 24, row 27): open")))
        << run.out.toStdString();
}

TEST_F(KrivolCli, CheckListsOpeningsAndFails) {
    QImage level = playableLevel();
    level.setPixel(0, 6, kWhite);                // cell (1, 7)
    level.setPixel(49, 2, qRgb(200, 200, 200));  // cell (50, 3): floor is walkable too
    const CliRun run = cli({"check", save("open.bmp", level)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(QLatin1String("(1,7)"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QLatin1String("(50,3)"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QLatin1String("not playable"))) << run.out.toStdString();
}

TEST_F(KrivolCli, CheckFailsWith21DotsAndPassesWith22) {
    for (int dots : {21, 22}) {
        QImage level(50, 50, QImage::Format_RGB32);
        level.fill(kBlack);
        for (int i = 0; i < dots; ++i) level.setPixel(1 + i, 1 + i % 2, kWhite);
        // A grey floor path from the start cell (24, 27) to the dots.
        for (int y = 3; y <= 26; ++y) level.setPixel(23, y, qRgb(128, 128, 128));
        for (int x = 1; x <= 23; ++x) level.setPixel(x, 3, qRgb(128, 128, 128));
        const CliRun run = cli({"check", save(QStringLiteral("dots%1.bmp").arg(dots), level)});
        EXPECT_EQ(run.exitCode, dots == 22 ? 0 : 1) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral(": %1 ").arg(dots))) << run.out.toStdString();
    }
}

TEST_F(KrivolCli, CheckReportsAWalledInStartWithoutFailing) {
    QImage level = playableLevel();
    level.setPixel(23, 26, kBlack);
    const CliRun run = cli({"check", save("start.bmp", level)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(QLatin1String("start cell (column 24, row 27): wall")))
        << run.out.toStdString();
}

TEST_F(KrivolCli, CheckExplainsNearColoursSmallPicturesAndCountsCellsFrom1) {
    QImage lossy = playableLevel();
    for (int x = 0; x < 50; ++x) lossy.setPixel(x, 0, qRgb(30, 22, 25));  // a JPEG's black
    lossy.setPixel(5, 5, qRgb(240, 250, 236));
    QImage open = playableLevel();
    open.setPixel(0, 6, kWhite);
    const struct {
        const char* file;
        QImage picture;
        int exitCode;
        std::vector<const char*> said;
    } cases[] = {
        {"lossy.png", lossy, 1, {"open border", "50 pixels are nearly but not exactly black and 1 nearly", "JPEG"}},
        {"small.png", playableLevel().copy(0, 0, 40, 40), 0, {"note: the picture is only 40 x 40 pixels", "as wall"}},
        {"open.png", open, 1, {"(1,7) (column,row counted from 1"}},
    };
    for (const auto& c : cases) {
        const CliRun run = cli({"check", save(QLatin1String(c.file), c.picture)});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.file << run.out.toStdString();
        for (const char* text : c.said) EXPECT_TRUE(run.out.contains(QLatin1String(text))) << c.file << ": " << text << "\n" << run.out.toStdString();
    }
}

// ---- generate ----

TEST_F(KrivolCli, GenerateWritesPlayableSetsAndLevelsAndNeverOverwritesUnasked) {
    const QString set = dir_.filePath("set"), one = dir_.filePath("One.BmP");
    const CliRun made = cli({"generate", "--seed", "7", set});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.startsWith(QLatin1String("seed 7: "))) << made.out.toStdString();
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(cli({"check", QStringLiteral("%1/KRIVOL0%2.BMP").arg(set).arg(n)}).exitCode, 0);
    ASSERT_EQ(cli({"generate", "--seed", "7", "--mirror", "both", "--loops", "0", one}).exitCode, 0);
    const QByteArray first = fixtures::readFile(one);
    EXPECT_EQ(first.size(), 54 + 50 * 152);
    const CliRun refused = cli({"generate", "--seed", "8", one});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QLatin1String("--force"))) << refused.err.toStdString();
    EXPECT_EQ(fixtures::readFile(one), first);
    ASSERT_EQ(cli({"generate", "--seed", "8", "--force", one}).exitCode, 0);
    EXPECT_NE(fixtures::readFile(one), first);
    ASSERT_EQ(cli({"generate", "--seed", "7", "--mirror", "both", "--loops", "0", "--force", one}).exitCode, 0);
    EXPECT_EQ(fixtures::readFile(one), first) << "the same seed and options, the same bytes";
    const CliRun timed = cli({"generate", dir_.filePath("timed.bmp")});
    EXPECT_EQ(timed.exitCode, 0);
    EXPECT_TRUE(timed.out.startsWith(QLatin1String("seed "))) << timed.out.toStdString();
}

// A set goes halls, classic, galleries as the shipped one does; level 1 is
// the halls maze the same seed gives alone, and the three tell apart.
// One level is the classic maze the seed always gave (the editor says so).
TEST_F(KrivolCli, GenerateMakesAMixedSetInTheShippedOrder) {
    const QString set = dir_.filePath("set"), halls = dir_.filePath("halls.bmp");
    ASSERT_EQ(cli({"generate", "--seed", "7", set}).exitCode, 0);
    ASSERT_EQ(cli({"generate", "--seed", "7", "--style", "halls", halls}).exitCode, 0);
    EXPECT_EQ(fixtures::readFile(set + "/KRIVOL01.BMP"), fixtures::readFile(halls));
    const QString plain = dir_.filePath("plain.bmp"), classic = dir_.filePath("classic.bmp");
    ASSERT_EQ(cli({"generate", "--seed", "7", plain}).exitCode, 0);
    ASSERT_EQ(cli({"generate", "--seed", "7", "--style", "classic", classic}).exitCode, 0);
    EXPECT_EQ(fixtures::readFile(plain), fixtures::readFile(classic)) << "one level is classic unless told";
    const auto figure = [&](int level, const QString& name) {
        const QString out = cli({"check", "--stats", QStringLiteral("%1/KRIVOL0%2.BMP").arg(set).arg(level)}).out;
        const qsizetype at = out.indexOf(name + QStringLiteral(": "));
        return at < 0 ? std::numeric_limits<double>::quiet_NaN() : out.mid(at + name.size() + 2).section(QLatin1Char('\n'), 0, 0).toDouble();
    };
    EXPECT_EQ(figure(1, "dead ends"), 0);
    EXPECT_GE(figure(1, "pillars"), 60);
    EXPECT_GE(figure(2, "dead ends"), 20);
    EXPECT_LE(figure(3, "islands"), 25);
    EXPECT_GE(figure(3, "mean run"), 7.5);
}

// The line the editor shows for its random maze makes that maze again.
TEST_F(KrivolCli, GenerateCommandLineMakesTheSameMazeAgain) {
    const MazeOptions cases[] = {
        {},
        {kStyleLoops, Mirror::leftRight, MazeStyle::galleries},
        {0, Mirror::both, MazeStyle::halls},
        {kStyleLoops, Mirror::topBottom, MazeStyle::mixed},
    };
    std::uint32_t seed = 40;
    for (const MazeOptions& options : cases) {
        const QString out = dir_.filePath(QStringLiteral("again%1.bmp").arg(++seed));
        const QString line = generateCommandLine(seed, options, out);
        ASSERT_EQ(cli(line.split(QLatin1Char(' ')).mid(1)).exitCode, 0) << line.toStdString();
        Rnd rnd(seed);
        EXPECT_EQ(fixtures::readFile(out), levelBmpBytes(generateMaze(rnd, options))) << line.toStdString();
    }
}

TEST_F(KrivolCli, GenerateRefusesBadOptionsAndUnwritablePlaces) {
    const QString file = write("file", "x");
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"--loops", "101", "a.bmp"}, 2},
        {{"--mirror", "diagonal", "a.bmp"}, 2},
        {{"--style", "rooms", "a.bmp"}, 2},
        {{"--seed", "-1", "a.bmp"}, 2},
        {{}, 2},
        {{file + "/sub"}, 1},
        {{file + "/sub/a.bmp"}, 1},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(QStringList{"generate"} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString() << run.err.toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
}

TEST_F(KrivolCli, CheckOfAnUnreadableFileExits2) {
    const QString missing = dir_.filePath("KRIVOL05.BMP");
    const CliRun run = cli({"check", missing});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
}

TEST_F(KrivolCli, ShippedLevelsPassTheCheck) {
    for (const char* name : {"KRIVOL01.BMP", "KRIVOL02.BMP", "KRIVOL03.BMP"}) {
        const CliRun run = cli({"check", QStringLiteral(KRIVOL_BIN_DIR "/") + QLatin1String(name)});
        EXPECT_EQ(run.exitCode, 0)
            << name << ": " << run.out.toStdString() << run.err.toStdString();
    }
}

// The figures a player compares a level with, as counted by hand on the
// shipped three; the definitions behind them are the ones --help gives.
TEST_F(KrivolCli, CheckStatsGivesTheShippedLevelsFigures) {
    const struct {
        const char* name;
        const char* figures;
    } shipped[] = {
        {"KRIVOL01.BMP", "dead ends: 0\nmean run: 6.5\n90th percentile run: 11\nislands: 206\npillars: 140\n"
                         "thickest double wall: 62 %\n"},
        {"KRIVOL02.BMP", "dead ends: 47\nmean run: 5.4\n90th percentile run: 10\nislands: 102\npillars: 47\n"
                         "thickest double wall: 72 %\n"},
        {"KRIVOL03.BMP", "dead ends: 35\nmean run: 8.6\n90th percentile run: 19\nislands: 10\npillars: 3\n"
                         "thickest double wall: 77 %\n"},
    };
    for (const auto& level : shipped) {
        const QString path = QStringLiteral(KRIVOL_BIN_DIR "/") + QLatin1String(level.name);
        const CliRun run = cli({"check", "--stats", path});
        EXPECT_EQ(run.exitCode, 0) << level.name;
        EXPECT_TRUE(run.out.endsWith(QLatin1String(level.figures))) << level.name << ":\n" << run.out.toStdString();
        EXPECT_FALSE(cli({"check", path}).out.contains(QLatin1String("dead ends"))) << "only when asked";
    }
}

}  // namespace
}  // namespace krivol

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/key_script.h"
#include "cli/trace.h"
#include "support/level_grid.h"

namespace krivol::test {
namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out, err;
    std::vector<QJsonObject> lines() const {
        std::vector<QJsonObject> result;
        for (const QByteArray& line : out.split('\n'))
            if (!line.isEmpty()) result.push_back(QJsonDocument::fromJson(line).object());
        return result;
    }
};

CliRun play(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KRIVOL_BIN_DIR "/krivol-cli"), QStringList{QStringLiteral("play")} + args);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

struct Play : ::testing::Test {
    Play() {
        level = LevelGrid::openRoom().save(dir.filePath(QStringLiteral("room.bmp")));
    }
    QString write(const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return file.fileName();
    }
    QTemporaryDir dir;
    QString level;
};

TEST_F(Play, TraceHasASetupLineThenOneLinePerTick) {
    const CliRun run = play({level, "--seed", "42", "--ticks", "5", "--trace", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto lines = run.lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_TRUE(lines[0]["setup"].toBool());
    EXPECT_EQ(lines[0]["t"].toInt(), 0);
    const QStringList keys{"t", "r", "hero", "ux", "uy", "k0b", "k0g", "k0p", "score", "plama",
                           "ttg", "g_over", "shot", "ghosts", "wav", "fld"};
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["t"].toInt(), static_cast<int>(i));
        EXPECT_EQ(lines[i]["r"].toInt(), 1);
        EXPECT_FALSE(lines[i].contains("setup"));
        for (const QString& key : keys) EXPECT_TRUE(lines[i].contains(key)) << key.toStdString();
        EXPECT_EQ(lines[i]["ttg"].toInt(), static_cast<int>(i));
    }
    EXPECT_EQ(lines[0]["hero"].toArray(), (QJsonArray{24, 27, 282, 318, 0, 0}));
    EXPECT_EQ(lines[0]["ghosts"].toArray().size(), 5);
    EXPECT_EQ(lines[0]["ghosts"].toArray()[0].toArray().size(), 9);
    EXPECT_EQ(lines[0]["shot"].toArray().size(), 7);
    EXPECT_EQ(lines[1]["score"].toInt(), 1);  // the dot under the hero
    EXPECT_EQ(lines[1]["fld"].toString().size(), 8);
    EXPECT_NE(lines[0]["fld"], lines[1]["fld"]);
}

TEST_F(Play, TheSameSeedReplaysTheSameGame) {
    const QStringList args{level, "--seed", "7", "--ticks", "800", "--trace", "-"};
    const CliRun a = play(args), b = play(args);
    EXPECT_EQ(a.out, b.out);
    const CliRun c = play({level, "--seed", "8", "--ticks", "800", "--trace", "-"});
    EXPECT_NE(a.out, c.out);
}

TEST_F(Play, KeysSteerTheHeroInTheirTick) {
    const QString keys = write("keys.txt", "# right from tick 2\n\n2 down 39\n3 up 39\n");
    const CliRun run = play({level, "--seed", "1", "--keys", keys, "--ticks", "4", "--trace", "-"});
    ASSERT_EQ(run.exitCode, 0);
    const auto lines = run.lines();
    EXPECT_EQ(lines[1]["ux"].toInt(), 0);
    EXPECT_EQ(lines[2]["ux"].toInt(), 1);
    EXPECT_EQ(lines[2]["hero"].toArray()[2].toInt(), 283);
    EXPECT_EQ(lines[4]["hero"].toArray()[2].toInt(), 285);  // keeps going after the release
}

TEST_F(Play, RoundsFollowEachOtherAndTheDefeatSoundOpensTheNextSetup) {
    const CliRun run = play({level, "--seed", "3", "--rounds", "3", "--trace", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto lines = run.lines();
    int ends = 0, lastTick = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains("end")) {
            if (!lines[i].contains("setup")) {
                EXPECT_EQ(lines[i]["t"].toInt(), ++lastTick);
            }
            continue;
        }
        ++ends;
        EXPECT_EQ(lines[i]["t"].toInt(), lastTick);
        EXPECT_FALSE(lines[i].contains("wav"));
        EXPECT_EQ(lines[i]["r"].toInt(), ends);
        EXPECT_EQ(lines[i]["score"], lines[i - 1]["score"]);
        const QString end = lines[i]["end"].toString();
        if (i + 1 < lines.size()) {
            EXPECT_TRUE(lines[i + 1]["setup"].toBool());
            EXPECT_EQ(lines[i + 1]["t"].toInt(), lastTick);
            EXPECT_EQ(lines[i + 1]["wav"].toArray().contains(QStringLiteral("взрыв.wav")), end.contains("defeat"));
        }
    }
    EXPECT_EQ(ends, 3);
    EXPECT_TRUE(lines.back().contains("end"));
}

TEST_F(Play, ARoundEndingOnTheLastTickStillGetsItsEndLine) {
    const CliRun first = play({level, "--seed", "3", "--rounds", "2", "--trace", "-"});
    int endTick = 0;
    for (const QJsonObject& line : first.lines())
        if (line.contains("end")) {
            endTick = line["t"].toInt();
            break;
        }
    ASSERT_GT(endTick, 0);
    const CliRun cut = play({level, "--seed", "3", "--rounds", "2", "--ticks", QString::number(endTick), "--trace", "-"});
    const auto lines = cut.lines();
    EXPECT_TRUE(lines.back().contains("end"));
    EXPECT_EQ(lines.back()["t"].toInt(), endTick);
}

TEST_F(Play, PrintsOneSummaryLinePerRoundUnlessTheTraceGoesToStandardOutput) {
    long long firstEnd = 0;
    for (const QJsonObject& line : play({level, "--seed", "3", "--rounds", "2", "--trace", "-"}).lines())
        if (line.contains("end") && !firstEnd) firstEnd = line["t"].toInteger();
    ASSERT_GT(firstEnd, 0);
    const QString ticks = QString::number(firstEnd + 10);  // the second round is cut short
    const CliRun traced = play({level, "--seed", "3", "--rounds", "2", "--ticks", ticks, "--trace", "-"});
    const auto lines = traced.lines();
    const QJsonObject& end = lines[static_cast<size_t>(firstEnd) + 1];
    ASSERT_TRUE(end.contains("end"));
    const QByteArray expected =
        QStringLiteral("round=1 level=room.bmp end=%1 score=%2 ticks=%3\nround=2 level=room.bmp end=unfinished "
                       "score=%4 ticks=10\n")
            .arg(end["end"].toString())
            .arg(end["score"].toInt())
            .arg(firstEnd)
            .arg(lines.back()["score"].toInt())
            .toUtf8();
    const CliRun summed = play({level, "--seed", "3", "--rounds", "2", "--ticks", ticks});
    EXPECT_EQ(summed.exitCode, 0);
    EXPECT_EQ(summed.out.toStdString(), expected.toStdString());
    EXPECT_FALSE(traced.out.contains("round="));
}

TEST_F(Play, TicksZeroStopsRightAfterTheFirstSetup) {
    const QString png = dir.filePath("setup.png");
    const CliRun run = play({level, "--seed", "5", "--ticks", "0", "--trace", "-", "--frame", png});
    ASSERT_EQ(run.exitCode, 0);
    const auto lines = run.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0]["setup"].toBool());
    EXPECT_EQ(QImage(png).pixelColor(0, 0), QColor(0, 0, 0));  // the maze is drawn
}

TEST_F(Play, FrameIsTheFieldOfTheLastLine) {
    const QString png = dir.filePath("frame.png");
    ASSERT_EQ(play({level, "--seed", "5", "--ticks", "30", "--frame", png}).exitCode, 0);
    QImage frame(png);
    ASSERT_EQ(frame.size(), QSize(600, 600));
    EXPECT_EQ(frame.pixelColor(588, 588), QColor(0, 0, 0));   // wall tile corner
    EXPECT_EQ(frame.pixelColor(280, 318), QColor(211, 114, 33));  // the hero's orange skin
}

TEST_F(Play, RefusesBadInputWithTheRightExitCodes) {
    const QString bad = write("keys.txt", "1 down 39\n2 sideways 40\n");
    CliRun run = play({level, "--seed", "1", "--keys", bad});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("line 2"));
    EXPECT_EQ(play({level}).exitCode, 2);  // no seed
    EXPECT_EQ(play({level, "--seed", "-4"}).exitCode, 2);
    const QString few = LevelGrid::solid().dots(2, 2, 10, 2).save(dir.filePath("few.bmp"));
    run = play({few, "--seed", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("few.bmp"));
    EXPECT_EQ(play({dir.filePath("missing.bmp"), "--seed", "1"}).exitCode, 1);
}

TEST(KeyScript, ParsesEventsInTickOrderKeepingFileOrder) {
    const KeyScript s = parseKeyScript("  # comment\n5 up 37\n3 down 37\n\n5 down 38\n");
    ASSERT_TRUE(s.error.isEmpty());
    ASSERT_EQ(s.events.size(), 3u);
    EXPECT_EQ(s.events[0].tick, 3);
    EXPECT_FALSE(s.events[1].down);
    EXPECT_EQ(s.events[2].code, 38);
    for (const char* bad : {"0 down 37", "3 down 256", "3 press 37", "x down 1", "3 down"})
        EXPECT_FALSE(parseKeyScript(bad).error.isEmpty()) << bad;
}

TEST(TraceHash, IsFnv1aOverTheWholeGridLowByteFirst) {
    Field FLD;
    std::uint32_t expected = 2166136261u;
    for (int i = 0; i < 51 * 51 * 2; ++i) expected = (expected ^ 0u) * 16777619u;
    EXPECT_EQ(fldHash(FLD), expected);
    FLD.set(0, 1, -2);  // 0xFFFE: the second value fed
    std::uint32_t h = 2166136261u;
    for (int i = 0; i < 51 * 51; ++i) {
        const std::uint16_t v = i == 1 ? 0xFFFE : 0;
        h = (h ^ (v & 0xFF)) * 16777619u;
        h = (h ^ (v >> 8)) * 16777619u;
    }
    EXPECT_EQ(fldHash(FLD), h);
}

}  // namespace
}  // namespace krivol::test

// Replay files: the text round trip, the headless replay against play, and
// every way a recording can be damaged or no longer fit its levels.
#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "replay/replay_reader.h"
#include "replay/replay_text.h"
#include "support/cli_run.h"
#include "support/level_grid.h"

namespace krivol::test {
namespace {

ReplayReading readText(QByteArray text) {
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    return readReplay(buffer);
}

Record event(Record::Kind kind, int round, long long tick, int value) {
    Record r;
    r.kind = kind;
    r.round = round;
    r.tick = tick;
    r.value = value;
    return r;
}

Record start(int round, long long tick, const QString& level, char fill) {
    Record r = event(Record::Kind::start, round, tick, 0);
    r.level = level;
    r.sha256 = QByteArray(32, fill);
    return r;
}

Record end(int round, Outcome outcome, std::int32_t score, long long ticks) {
    Record r = event(Record::Kind::end, round, 0, 0);
    r.outcome = outcome;
    r.score = score;
    r.ticks = ticks;
    return r;
}

TEST(ReplayText, EveryRecordReadsBackAsWritten) {
    const std::vector<Record> written{
        event(Record::Kind::keyDown, 1, 1, 37), event(Record::Kind::level, 1, 1, 2),
        start(1, 1, QStringLiteral("KRIVOL02.BMP"), '\xab'), event(Record::Kind::keyUp, 1, 40, 37),
        event(Record::Kind::keyDown, 1, 40, 0), end(1, Outcome::victoryAndDefeat, 2147483647, 40),
        event(Record::Kind::level, 2, 41, 0), start(2, 41, QStringLiteral("KRIVOL00.BMP"), '\x01'),
        end(2, Outcome::defeat, 0, 1), start(3, 42, QStringLiteral("KRIVOL00.BMP"), '\xff'),
        event(Record::Kind::keyDown, 3, 42, 255), end(3, Outcome::closed, 7, 0),
    };
    QByteArray text = replayHeader(4294967295u) + "\n  # a comment\r\n";
    for (const Record& r : written) text += replayLine(r);
    const ReplayReading read = readText(text);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    EXPECT_FALSE(read.cutShort);
    EXPECT_EQ(read.recording.seed, 4294967295u);
    ASSERT_EQ(read.recording.records.size(), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        const Record &a = written[i], &b = read.recording.records[i];
        EXPECT_EQ(b.kind, a.kind) << i;
        EXPECT_EQ(b.round, a.round) << i;
        EXPECT_EQ(b.value, a.value) << i;
        EXPECT_EQ(b.level, a.level) << i;
        EXPECT_EQ(b.sha256, a.sha256) << i;
        if (a.kind != Record::Kind::end) EXPECT_EQ(b.tick, a.tick) << i;
        else EXPECT_EQ(std::tie(b.outcome, b.score, b.ticks), std::tie(a.outcome, a.score, a.ticks)) << i;
    }
    // An end knows the last tick its round played.
    EXPECT_EQ(read.recording.records[5].tick, 40);
    EXPECT_EQ(read.recording.records[8].tick, 41);
    EXPECT_EQ(read.recording.records[11].tick, 41);
    EXPECT_EQ(replayLine(written[2]), "start 1 1 KRIVOL02.BMP " + QByteArray(32, '\xab').toHex() + '\n');
    EXPECT_EQ(replayLine(written[5]), "end 1 victory+defeat 2147483647 40\n");
}

CliRun cli(const QStringList& args) { return runCli(args); }

QByteArray sha256Hex(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

// One round on the open room, the left arrow held from before the start,
// closed after 150 ticks; the score is whatever play makes of the same keys.
class Replay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        levels = dir.filePath(QStringLiteral("levels"));
        QDir().mkpath(levels);
        level = LevelGrid::openRoom().save(levels + QStringLiteral("/KRIVOL01.BMP"));
        const CliRun run = cli({"play", level, "--seed", "1", "--keys", write("keys", "1 down 37\n3 up 37\n"),
                                "--ticks", "150"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_TRUE(run.out.startsWith("round=1 level=KRIVOL01.BMP end=unfinished score=")) << run.out.toStdString();
        score = run.out.split(' ')[3].mid(6).toUtf8();
    }
    QString write(const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return file.fileName();
    }
    QByteArray recording() const {
        return "krivol-replay 1\nseed 1\nkey 1 1 down 37\nstart 1 1 KRIVOL01.BMP " + sha256Hex(level) +
               "\nkey 1 3 up 37\nend 1 closed " + score + " 150\n";
    }

    QTemporaryDir dir;
    QString levels, level;
    QByteArray score;
};

TEST_F(Replay, WritesTheTracePlayWritesForTheSameKeys) {
    const CliRun replayed = cli({"replay", write("r", recording()), "--levels", levels, "--trace", "-", "--verify"});
    const CliRun played = cli({"play", level, "--seed", "1", "--keys", write("keys", "1 down 37\n3 up 37\n"),
                               "--ticks", "150", "--trace", "-"});
    ASSERT_EQ(replayed.exitCode, 0) << replayed.err.toStdString();
    EXPECT_EQ(replayed.out.count('\n'), 151);
    EXPECT_EQ(replayed.out, played.out);
    const CliRun summary = cli({"replay", dir.filePath("r"), "--levels", levels});
    EXPECT_EQ(summary.out, "round=1 level=KRIVOL01.BMP end=closed score=" + QString::fromUtf8(score) + " ticks=150\n");
}

// A damaged or unfitting recording (a cut one plays: video_test's
// CutRecording): what is done to it, the exit code, what
// stderr says, and how many rounds were still replayed.
struct Damage {
    const char* name;
    std::function<QByteArray(QByteArray)> edit;
    const char* levelsFolder;  // "" the right one; "empty"; "changed"
    int exitCode;
    const char* said;
    int rounds;
};

QByteArray replaced(QByteArray text, const char* from, const char* to) { return text.replace(from, to); }

const Damage kDamage[] = {
    // Looked up as the game does: missing from --levels, it comes from the
    // program's folder, which holds another level of that name.
    {"level file missing from --levels", [](QByteArray t) { return t; }, "empty", 1,
     "KRIVOL01.BMP: changed since the recording", 0},
    {"level file changed", [](QByteArray t) { return t; }, "changed", 1, "KRIVOL01.BMP: changed since the recording", 0},
    {"unknown version", [](QByteArray t) { return replaced(t, "krivol-replay 1", "krivol-replay 2"); }, "", 1,
     "unknown replay format version \"2\"", 0},
    {"not a recording", [](QByteArray) { return QByteArray("BM\x36\0\0\0", 6); }, "", 1, "not a krivol replay", 0},
    {"malformed line", [](QByteArray t) { return replaced(t, "key 1 3 up 37", "key 1 3 sideways 37"); }, "", 1,
     "line 5: expected \"key ROUND TICK down|up CODE\", got \"key 1 3 sideways 37\"", 0},
    {"events out of order", [](QByteArray t) { return replaced(t, "key 1 3 up 37\n", "key 1 3 up 37\nkey 1 2 down 38\n"); },
     "", 1, "line 6: events out of order: round 1 tick 2 after round 1 tick 3", 0},
    {"round number out of order", [](QByteArray t) { return replaced(t, "key 1 3 up 37", "key 2 3 up 37"); }, "", 1,
     "line 5: round 2 has not started", 0},
    {"event after its round's end", [](QByteArray t) { return replaced(t, "key 1 3 up 37", "key 1 152 up 37"); }, "",
     1, "line 6: round 1 ends after 150 ticks, but line 5 falls in tick 152", 0},
    {"start on a level not chosen", [](QByteArray t) { return replaced(t, "1 KRIVOL01.BMP", "1 KRIVOL02.BMP"); }, "",
     1, "line 4: the round starts on KRIVOL02.BMP, but level option 1 looks up KRIVOL01.BMP", 0},
    {"no seed", [](QByteArray t) { return replaced(t, "seed 1\n", ""); }, "", 1, "line 2: the seed line must come", 0},
    {"lines after the window closed", [](QByteArray t) { return t + "key 2 151 down 37\n"; }, "", 1,
     "line 7: the window was closed at line 6; nothing can follow", 0},
    {"another score under --verify", [](QByteArray t) { return replaced(t, "end 1 closed ", "end 1 closed 9"); }, "",
     1, "round 1 differs from the recording", 1},
};

// The window names the line of a damage in its own words, so the reader must say which.
TEST(ReplayReader, AnErrorNamesItsLine) {
    const std::pair<const char*, qint64> cases[] = {
        {"", 0},
        {"krivol-replay 99\n", 1},
        {"hello\n", 1},
        {"krivol-replay 1\n", 0},  // no seed line: the whole file
        {"krivol-replay 1\nseed 5\nbogus line\n", 3},
        {"krivol-replay 1\nseed 5\n# a note\nkey 1 0 down 37\n", 4},
    };
    for (const auto& [text, line] : cases) {
        QByteArray bytes(text);
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        const ReplayReading read = readReplay(device);
        EXPECT_FALSE(read.error.isEmpty()) << text;
        EXPECT_EQ(read.errorLine, line) << text << read.error.toStdString();
    }
}

TEST_F(Replay, DamageIsOneClearLineNeverACrashOrASilentWrongReplay) {
    QDir().mkpath(dir.filePath(QStringLiteral("changed")));
    LevelGrid::openRoom().walls(10, 10, 12, 12).save(dir.filePath(QStringLiteral("changed/KRIVOL01.BMP")));
    QDir().mkpath(dir.filePath(QStringLiteral("empty")));
    for (const Damage& d : kDamage) {
        SCOPED_TRACE(d.name);
        const QString file = write(QStringLiteral("damaged"), d.edit(recording()));
        const QString folder = *d.levelsFolder ? dir.filePath(QLatin1String(d.levelsFolder)) : levels;
        const CliRun run = cli({"replay", file, "--levels", folder, "--verify"});
        EXPECT_EQ(run.exitCode, d.exitCode);
        EXPECT_TRUE(run.err.contains(d.said)) << run.err.toStdString();
        const QString named = !*d.levelsFolder                              ? file
                              : QLatin1String(d.levelsFolder) == u"empty" ? QStringLiteral(KRIVOL_BIN_DIR)
                                                                          : folder;
        EXPECT_TRUE(run.err.startsWith(named)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_EQ(run.out.count("round="), d.rounds) << run.out.toStdString();
    }
}

}  // namespace
}  // namespace krivol::test

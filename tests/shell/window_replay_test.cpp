// Recording in the window and replaying: headless and in the window, with
// keys while no round runs, a level change between rounds and a round
// closed mid-way; a recording file that cannot be written.
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>

#include "replay/replay_reader.h"
#include "replay/replay_text.h"
#include "shell/replay_director.h"
#include "shell/replay_recorder.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

// On the open room, with the left arrow held in tick 1, a ghost catches the
// hero in tick 115 (found with krivol-cli play).
constexpr std::uint32_t kSeed = 7;

ReplayReading readFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return readReplay(file);
}

class WindowReplay : public WindowTest {
protected:
    void press(int key) { sendKey(form_.get(), QEvent::KeyPress, key); }
    void release(int key) { sendKey(form_.get(), QEvent::KeyRelease, key); }
    bool waitTicks(long long n) {
        const long long until = ticks_ + n;
        return waitUntil([&] { return ticks_ >= until; }, 10000);
    }
    void countTicks() {
        tickCounter_.onTick = [this](long long t) { ticks_ = t; };
    }
    QString note() {
        auto* line = form_->findChild<QLabel*>(QStringLiteral("noteLine"));
        return line ? line->text() : QString();
    }

    // A defeat with the left arrow held from before its start, keys while
    // the round is idle, level 2 chosen, and a round closed after 20 ticks.
    void recordGame(const QString& path, QStringList& reports) {
        Form1& form = open(kSeed);
        ReplayRecorder recorder(path, kSeed, form.state(), [&](const QString& why) { reports << why; });
        form.addWatcher(recorder);
        countTicks();
        press(Qt::Key_Left);
        clickStart();
        ASSERT_TRUE(waitTicks(3));
        release(Qt::Key_Left);
        ASSERT_TRUE(waitUntil([&] { return boxes_.seen.size() == 1 && !form.round().running(); }, 10000));
        firstRoundTicks_ = ticks_;
        press(Qt::Key_Down);
        release(Qt::Key_Down);
        control<QRadioButton>("OptKri(2)")->click();
        ticks_ = 0;
        clickStart();
        ASSERT_TRUE(waitTicks(20));
        closedScore_ = form.state().SCORE;
        closedTicks_ = ticks_;  // the window counts each round's own
        form.close();
    }

    long long ticks_ = 0;  // of the round running or last run
    long long firstRoundTicks_ = 0, closedTicks_ = 0;
    std::int32_t closedScore_ = 0;
};

TEST_F(WindowReplay, AGameRecordedInTheWindowReplaysAlikeHeadlessAndInTheWindow) {
    const QString path = folder() + QStringLiteral("/game.krivol-replay");
    QStringList reports;
    recordGame(path, reports);
    if (HasFatalFailure()) return;
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
    ASSERT_EQ(firstRoundTicks_, 115) << "the seed no longer gives the quick defeat";

    // Idle lines carry the next round and its first tick.
    const ReplayReading read = readFile(path);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    ASSERT_FALSE(read.cutShort);
    EXPECT_EQ(read.recording.seed, kSeed);
    QByteArray lines;
    QByteArrayList sha256;
    for (const Record& r : read.recording.records) {
        if (r.kind == Record::Kind::start) sha256 << r.sha256.toHex();
        if (r.kind != Record::Kind::keyUp || r.value != 37) lines += replayLine(r);  // its tick varies
    }
    ASSERT_EQ(sha256.size(), 2);
    const QByteArray expected = "key 1 1 down 37\nstart 1 1 KRIVOL01.BMP " + sha256[0] +
                                "\nend 1 defeat 11 115\nkey 2 116 down 40\nkey 2 116 up 40\nlevel 2 116 2\n"
                                "start 2 116 KRIVOL02.BMP " + sha256[1] + "\nend 2 closed " +
                                QByteArray::number(closedScore_) + ' ' + QByteArray::number(closedTicks_) + '\n';
    EXPECT_EQ(lines.toStdString(), expected.toStdString());

    QProcess cli;
    cli.start(QStringLiteral(KRIVOL_BIN_DIR "/krivol-cli"), {"replay", path, "--levels", folder(), "--verify"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(cli.readAllStandardOutput().toStdString(),
              ("round=1 level=KRIVOL01.BMP end=defeat score=11 ticks=115\nround=2 level=KRIVOL02.BMP end=closed score=" +
               QByteArray::number(closedScore_) + " ticks=" + QByteArray::number(closedTicks_) + '\n')
                  .toStdString());

    // In the window the player's keys steer nothing; the replay ends idle.
    Form1& form = open(kSeed);
    ReplayDirector director(form, read, path, 0);
    form.addWatcher(director);
    ticks_ = 0;
    countTicks();
    director.begin();
    EXPECT_FALSE(control<QPushButton>("Command1")->isEnabled());
    EXPECT_FALSE(control<QRadioButton>("OptKri(2)")->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return form.round().running(); }, 5000));
    press(Qt::Key_Right);
    EXPECT_EQ(form.state().KK, 37) << "a player's key reached the game";
    ASSERT_TRUE(waitUntil([&] { return director.done(); }, 20000));
    EXPECT_EQ(boxes_.seen.size(), 2u);
    EXPECT_EQ(form.state().N_KRI, 2);
    EXPECT_EQ(form.state().SCORE, closedScore_);
    EXPECT_EQ(ticks_, closedTicks_);
    EXPECT_FALSE(form.ticking());
    EXPECT_EQ(note(), QStringLiteral("Повтор окончен: здесь окно было закрыто"));

    // Cut inside round 1, as a killed game leaves it: the window stops where krivol-cli does.
    QFile whole(path);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray text = whole.readAll();
    const QString cutPath = folder() + QStringLiteral("/cut.krivol-replay");
    QFile cut(cutPath);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(text.left(text.indexOf("end 1")));
    cut.close();
    cli.start(QStringLiteral(KRIVOL_BIN_DIR "/krivol-cli"), {"replay", cutPath, "--levels", folder()});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QByteArrayList said = cli.readAllStandardOutput().trimmed().split(' ');
    ASSERT_EQ(said.size(), 5);
    ASSERT_EQ(said[2], "end=unfinished");
    Form1& cutForm = open(kSeed);
    ReplayDirector cutDirector(cutForm, readFile(cutPath), cutPath, 0);
    cutForm.addWatcher(cutDirector);
    ticks_ = 0;
    countTicks();
    const size_t boxes = boxes_.seen.size();
    cutDirector.begin();
    ASSERT_TRUE(waitUntil([&] { return cutDirector.done(); }, 20000));
    EXPECT_EQ("ticks=" + QByteArray::number(ticks_), said[4]);
    EXPECT_EQ("score=" + QByteArray::number(cutForm.state().SCORE), said[3]);
    EXPECT_EQ(boxes_.seen.size(), boxes);
    EXPECT_EQ(note(), QStringLiteral("Повтор окончен: запись обрывается"));
}

TEST_F(WindowReplay, ARecordingThatCannotBeWrittenIsSaidOnceAndTheGamePlaysOn) {
    for (const QString& path : {folder() + QStringLiteral("/no/such/folder/game.krivol-replay"), QStringLiteral("/dev/full")}) {
        SCOPED_TRACE(path.toStdString());
        Form1& form = open(kSeed);
        QStringList reports;
        ReplayRecorder recorder(path, kSeed, form.state(), [&](const QString& why) {
            reports << why;
            form.showNote(why, true);
        });
        form.addWatcher(recorder);
        countTicks();
        press(Qt::Key_Left);
        clickStart();
        EXPECT_TRUE(waitTicks(5)) << "the game stopped";
        EXPECT_FALSE(recorder.recording());
        ASSERT_EQ(reports.size(), 1) << reports.join('\n').toStdString();
        EXPECT_TRUE(reports[0].contains(path)) << reports[0].toStdString();
        EXPECT_TRUE(reports[0].startsWith(QStringLiteral("Игра не записывается")) ||
                    reports[0].startsWith(QStringLiteral("Запись игры прервана")))
            << reports[0].toStdString();
        EXPECT_EQ(note(), reports[0]);
        form.close();
    }
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

// How the program's end reaches what it holds: the stop signals arrive as one
// call in the event loop, and the recording is left closed by every way out
// (its owner's end, the quick exit after the windows, exit() from inside Qt).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstring>
#include <ostream>
#include <gtest/gtest.h>
#include <new>
#include <optional>
#include <thread>

#include "shell/last_words.h"
#include "shell/replay_recorder.h"
#include "shell/stop_signals.h"

namespace krivol::test {
namespace {

void spinLoop() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

volatile std::sig_atomic_t earlierCalls = 0;
extern "C" void earlierHandler(int) { earlierCalls = earlierCalls + 1; }

class StopSignalsTest : public ::testing::TestWithParam<int> {};

TEST_P(StopSignalsTest, ASignalIsOneStopInTheLoopAndItsEarlierHandlerComesBack) {
    const int sig = GetParam();
    std::signal(sig, earlierHandler);
    earlierCalls = 0;
    {
        StopSignals stops;
        int stopped = 0;
        stops.onStop([&] { ++stopped; });
        std::raise(sig);
        std::raise(sig);
        EXPECT_EQ(stopped, 0) << "the stop ran inside the handler";
        spinLoop();
        EXPECT_EQ(stopped, 1) << "two signals before the loop ran are one stop";
        std::raise(sig);
        spinLoop();
        EXPECT_EQ(stopped, 2);
        stops.onStop(nullptr);
        std::raise(sig);  // with nothing to do, the signal is only taken
        spinLoop();
        EXPECT_EQ(stopped, 2);
        EXPECT_EQ(earlierCalls, 0);
    }
    std::raise(sig);
    EXPECT_EQ(earlierCalls, 1) << "the earlier handler was not given back";
    std::signal(sig, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalsTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

// ---- the recording's last line, however the program ends ----

QStringList linesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

enum class Phase { inRound, afterDefeat };
enum class Way { ownerEnds, quickExit, quickExitThenOwner };

struct Ending {
    const char* name;
    Phase phase;
    Way way;
    const char* lastLine;
};
void PrintTo(const Ending& e, std::ostream* out) { *out << e.name; }

class Recording : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    GameState s_;
    QString path_ = dir_.filePath(QStringLiteral("game.krivol-replay"));

    // Round 1 with 12 ticks played, and a defeat in the 13th when asked.
    void play(ReplayRecorder& recorder, Phase phase) {
        LevelReading level;
        level.picture.path = QStringLiteral("/levels/KRIVOL01.BMP");
        recorder.roundStarted(level);
        s_.SCORE = 40;
        for (int t = 0; t < 12; ++t) recorder.tickPlayed(RoundEnd::None);
        recorder.keyHandled(true, 37);
        if (phase == Phase::afterDefeat) recorder.tickPlayed(RoundEnd::Defeat);
    }
};

class RecordingEnd : public Recording, public ::testing::WithParamInterface<Ending> {};

TEST_P(RecordingEnd, EndsWithOneEndLine) {
    const Ending& e = GetParam();
    std::optional<ReplayRecorder> recorder(std::in_place, path_, 5u, s_, [](const QString&) {});
    play(*recorder, e.phase);
    // Nothing waits in a buffer: what was played is in the file already.
    EXPECT_EQ(linesOf(path_).size(), e.phase == Phase::afterDefeat ? 6 : 5);
    if (e.way != Way::ownerEnds) LastWords::sayAll();
    if (e.way != Way::quickExit) recorder.reset();
    const QStringList lines = linesOf(path_);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.back(), QLatin1String(e.lastLine));
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^end "))).size(), 1);
    // Said once: a later end of the owner writes nothing more.
    recorder.reset();
    EXPECT_EQ(linesOf(path_), lines);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, RecordingEnd,
    ::testing::Values(Ending{"OwnerInRound", Phase::inRound, Way::ownerEnds, "end 1 closed 40 12"},
                      Ending{"QuickExitInRound", Phase::inRound, Way::quickExit, "end 1 closed 40 12"},
                      Ending{"QuickExitThenOwner", Phase::inRound, Way::quickExitThenOwner, "end 1 closed 40 12"},
                      Ending{"OwnerAfterDefeat", Phase::afterDefeat, Way::ownerEnds, "end 1 defeat 40 13"},
                      Ending{"QuickExitAfterDefeat", Phase::afterDefeat, Way::quickExit, "end 1 defeat 40 13"}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt's X11 plugin calls exit(1) when the server goes; the stack is never unwound.
TEST_F(Recording, ExitFromInsideLeavesTheRoundClosed) {
    EXPECT_EXIT(
        {
            LastWords::sayAllOnExit();
            // Never destroyed, as under exit(); static, so no leak is reported.
            alignas(ReplayRecorder) static unsigned char room[sizeof(ReplayRecorder)];
            auto* recorder = new (room) ReplayRecorder(path_, 5u, s_, [](const QString&) {});
            play(*recorder, Phase::inRound);
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(linesOf(path_).back(), QLatin1String("end 1 closed 40 12"));
}

// Qt's Wayland plugin reports the compositor gone from its own thread and
// ends the process as soon as that report returns.
TEST_F(Recording, AnotherThreadWaitsForTheWindowThreadToCloseButNotForever) {
    for (const bool windowThreadFree : {true, false}) {
        SCOPED_TRACE(windowThreadFree ? "window thread free" : "window thread stuck");
        ReplayRecorder recorder(path_, 5u, s_, [](const QString&) {});
        play(recorder, Phase::inRound);
        std::atomic<bool> back = false;
        std::thread reporter([&] { LastWords::sayAllFromAnyThread(), back = true; });
        QElapsedTimer clock;
        clock.start();
        if (windowThreadFree)
            while (!back) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        reporter.join();
        const qint64 waited = clock.elapsed();
        EXPECT_EQ(linesOf(path_).back() == QLatin1String("end 1 closed 40 12"), windowThreadFree);
        if (!windowThreadFree) {
            EXPECT_GE(waited, 900) << "it gave up without waiting";
        }
        EXPECT_LT(waited, 5000);
        spinLoop();  // the call that came too late finds it said
    }
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Real playback: a private PulseAudio server with a null sink, whose monitor is
// recorded while the player works, so we can check what actually came out.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

#include <memory>
#include <vector>

#include "shell/loudness.h"
#include "shell/sound_player.h"
#include "shell/wav_clip.h"

namespace krivol {
namespace {

constexpr int kRecordRate = 44100;
const QString kExplosion = QStringLiteral(u"взрыв.wav");

// Keeps the event loop running, which is what feeds the audio sinks.
void pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

// A throw-away sound server. Everything started in this process afterwards
// (Qt's audio back end, parecord) talks to it through the environment.
class PulseSandbox {
public:
    PulseSandbox() {
        const QString daemon = QStandardPaths::findExecutable("pulseaudio");
        if (daemon.isEmpty() || QStandardPaths::findExecutable("parecord").isEmpty()) {
            failure_ = "pulseaudio or parecord is not installed";
            return;
        }
        if (!runtime_.isValid()) {
            failure_ = "no temporary folder";
            return;
        }
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
        QProcess start;
        start.setStandardOutputFile(QProcess::nullDevice());
        start.setStandardErrorFile(QProcess::nullDevice());
        // norewinds: otherwise the sink rewrites audio it has already rendered and
        // the monitor loses both silence and sound, which ruins any timing.
        start.start(daemon, {"--daemonize=yes", "--exit-idle-time=-1", "-n",
                             "--load=module-native-protocol-unix auth-anonymous=1",
                             "--load=module-null-sink sink_name=test_sink norewinds=1"});
        const QString socket = runtime_.path() + "/pulse/native";
        if (!start.waitForFinished(10000) || start.exitCode() != 0 || !QFile::exists(socket)) {
            failure_ = "pulseaudio did not start";
            return;
        }
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
    }

    ~PulseSandbox() {
        QFile pidFile(runtime_.path() + "/pulse/pid");
        if (!pidFile.open(QIODevice::ReadOnly)) return;
        const pid_t pid = pidFile.readAll().trimmed().toInt();
        if (pid > 0 && !stop(pid, SIGTERM, 2000)) stop(pid, SIGKILL, 2000);
    }

    const QString& failure() const { return failure_; }

private:
    // The daemon is not our child; a container's init may leave it a zombie for
    // a second or two, which counts as stopped.
    static bool running(pid_t pid) {
        QFile stat(QString("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) return false;
        const QByteArray line = stat.readAll();
        const qsizetype state = line.lastIndexOf(')') + 2;
        return state > 1 && state < line.size() && line[state] != 'Z';
    }

    static bool stop(pid_t pid, int signal, int waitMs) {
        if (::kill(pid, signal) != 0) return true;
        for (int waited = 0; waited < waitMs; waited += 10) {
            if (!running(pid)) return true;
            QThread::msleep(10);
        }
        return false;
    }

    QTemporaryDir runtime_;
    QString failure_;
};

// Records the null sink's monitor as raw 16-bit mono samples. (WAV output of
// parecord drops data at start-up and on SIGINT; raw on a pipe does not.)
class Recorder {
public:
    Recorder() {
        rec_.start("parecord", {"--raw", "--latency-msec=20", "--device=test_sink.monitor",
                                "--format=s16le", "--rate=44100", "--channels=1"});
    }

    // True once samples are flowing, so nothing played later can be missed.
    bool waitUntilRunning() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            pump(10);
            if (rec_.bytesAvailable() > 0) return true;
        }
        return false;
    }

    std::vector<double> stop() {
        rec_.terminate();
        rec_.waitForFinished(5000);
        return test::int16Samples(rec_.readAllStandardOutput());
    }

private:
    QProcess rec_;
};

double audibleSeconds(const QString& name) {
    const auto clip = loadWav(QString(KRIVOL_BIN_DIR) + "/" + name);
    if (!clip) return 0.0;
    const auto spans = test::loudSpans(test::int16Samples(clip->pcm), clip->format.sampleRate());
    return spans.size() == 1 ? spans[0].length() : 0.0;
}

std::string describe(const std::vector<test::Span>& spans) {
    std::string out;
    for (const auto& s : spans)
        out += QString("[%1 s, %2 s long, peak %3 dB] ").arg(s.begin, 0, 'f', 2)
                   .arg(s.length(), 0, 'f', 2).arg(s.peakDb, 0, 'f', 1).toStdString();
    return out;
}

class SoundOnRealServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<PulseSandbox>(); }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        if (!server_->failure().isEmpty())
            GTEST_SKIP() << "no sound server to play into: " << server_->failure().toStdString();
        ASSERT_TRUE(recorder_.waitUntilRunning()) << "parecord delivers nothing";
    }

    // Each request must come back within a fraction of a tick's budget.
    void request(const QString& name) {
        QElapsedTimer clock;
        clock.start();
        player_.WAV(name);
        EXPECT_LT(clock.elapsed(), 40) << "WAV(" << name.toStdString() << ") blocked";
    }

    std::vector<test::Span> recordedSpans() {
        pump(300);
        return test::loudSpans(recorder_.stop(), kRecordRate);
    }

    static std::unique_ptr<PulseSandbox> server_;
    Recorder recorder_;
    SoundPlayer player_{KRIVOL_BIN_DIR};
};

std::unique_ptr<PulseSandbox> SoundOnRealServer::server_;

TEST_F(SoundOnRealServer, EverySoundArrivesWholeAndLoud) {
    const QStringList names = {"b.WAV", "g.WAV", "die.wav", kExplosion};
    for (const QString& name : names) {
        request(name);
        pump(static_cast<int>(audibleSeconds(name) * 1000) + 600);
    }
    const auto spans = recordedSpans();
    ASSERT_EQ(spans.size(), 4u) << describe(spans);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[i].toStdString());
        EXPECT_NEAR(spans[i].length(), audibleSeconds(names[i]), 0.06) << describe(spans);
        EXPECT_GT(spans[i].peakDb, -6.0);
    }
}

TEST_F(SoundOnRealServer, NewRequestCutsOffTheExplosion) {
    request(kExplosion);
    pump(200);
    request("b.WAV");
    pump(1500);
    const auto spans = recordedSpans();
    ASSERT_EQ(spans.size(), 1u) << "the chime follows without a pause: " << describe(spans);
    const double uncut = audibleSeconds(kExplosion);
    const double expected = 0.2 + audibleSeconds("b.WAV");
    EXPECT_LT(spans[0].length(), expected + 0.12) << "the explosion alone lasts " << uncut << " s";
    EXPECT_GT(spans[0].length(), expected - 0.12);
}

TEST_F(SoundOnRealServer, EmptyNameSilencesTheExplosion) {
    request(kExplosion);
    pump(250);
    request("");
    pump(1200);
    const auto spans = recordedSpans();
    ASSERT_EQ(spans.size(), 1u) << describe(spans);
    EXPECT_NEAR(spans[0].length(), 0.25, 0.1) << describe(spans);
}

TEST_F(SoundOnRealServer, RepeatedSoundStartsCleanFromTheBeginning) {
    // The restart must not first replay audio queued for the cut-off start.
    request(kExplosion);
    pump(300);
    request(kExplosion);
    pump(1500);
    const auto spans = recordedSpans();
    ASSERT_EQ(spans.size(), 1u) << describe(spans);
    EXPECT_NEAR(spans[0].length(), 0.3 + audibleSeconds(kExplosion), 0.1) << describe(spans);
}

}  // namespace
}  // namespace krivol

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Real playback: a private PulseAudio server with a null sink, whose monitor is
// recorded while the player works, so we can check what actually came out.
// The tests wait for what they need to hear (under a deadline that only guards
// against a hang) and compare the recording with the clips, never with a clock,
// so a busy machine makes them slower, not wrong.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <vector>

#include "shell/loudness.h"
#include "shell/sound_main.h"
#include "shell/sound_loader.h"
#include "shell/wav_bytes.h"
#include "shell/sound/wav_clip.h"

namespace krivol {
namespace {

constexpr int kRecordRate = 44100;
constexpr int kHangMs = 60000;        // a guard against a hung test, not a timing check
constexpr double kQuietSeconds = 0.5;  // recorded silence that ends a sound
const QString kExplosion = QStringLiteral(u"взрыв.wav");

// tools/test.sh sets this: there, a missing sound server is a failure, not a skip.
bool soundRequired() { return qEnvironmentVariableIntValue("KRIVOL_REQUIRE_SOUND") == 1; }

// Keeps the event loop running, which delivers the recorder's output.
void pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

// A throw-away sound server in a runtime folder of its own, so that tests
// running in parallel each get theirs. Everything started in this process afterwards (Qt's
// audio back end, parecord) talks to it through the environment.
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
        start.setProcessChannelMode(QProcess::MergedChannels);
        // Off the session bus: two daemons of one user on the same bus contend for
        // its name "org.PulseAudio1", and the loser does not start.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime_.path() + "/no-bus");
        start.setProcessEnvironment(env);
        // norewinds: otherwise the sink rewrites audio it has already rendered and
        // the monitor loses both silence and sound.
        start.start(daemon, {"--daemonize=yes", "--exit-idle-time=-1", "-n", "--log-target=stderr",
                             "--load=module-native-protocol-unix auth-anonymous=1",
                             "--load=module-null-sink sink_name=test_sink norewinds=1"});
        const QString socket = runtime_.path() + "/pulse/native";
        const bool finished = start.waitForFinished(kHangMs);
        if (!finished || start.exitCode() != 0 || !QFile::exists(socket)) {
            failure_ = "pulseaudio did not start: " + QString::fromLocal8Bit(start.readAll()).trimmed();
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
// parecord drops data at start-up and on SIGINT; raw on a pipe does not.) The
// monitor runs on the sink's clock and records silence too, so a stretch of
// quiet samples means the sound server really played nothing for that long.
class Recorder {
public:
    Recorder() {
        rec_.start("parecord", {"--raw", "--latency-msec=20", "--device=test_sink.monitor",
                                "--format=s16le", "--rate=44100", "--channels=1"});
    }
    ~Recorder() {
        rec_.terminate();
        rec_.waitForFinished(5000);
    }

    // Pumps until `done` holds for what was recorded so far.
    bool waitFor(const std::function<bool(const std::vector<double>&)>& done) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kHangMs) {
            pump(10);
            const QByteArray bytes = rec_.readAllStandardOutput();
            pending_ += bytes;
            const auto more = test::int16Samples(pending_.left(pending_.size() & ~qsizetype(1)));
            pending_ = pending_.right(pending_.size() & 1);
            samples_.insert(samples_.end(), more.begin(), more.end());
            if (!samples_.empty() && done(samples_)) return true;
        }
        return false;
    }

    bool waitUntilRunning() {
        return waitFor([](const auto&) { return true; });
    }

    // Until something louder than silence came after sample `from`.
    bool waitUntilHeard(std::size_t from = 0) {
        return waitFor([from](const auto& s) { return heard(s, from) > 0.0; });
    }

    // Until at least `seconds` of sound came after sample `from` and then the
    // sink stayed silent. A pause in the middle (a busy server catching up)
    // does not end the wait early.
    bool waitUntilOver(std::size_t from, double seconds) {
        return waitFor([from, seconds](const auto& s) {
            const auto quiet = static_cast<std::size_t>(kQuietSeconds * kRecordRate);
            return s.size() >= from + quiet && heard(s, from) >= std::max(seconds, 0.01) &&
                   heard(s, s.size() - quiet) == 0.0;
        });
    }

    const std::vector<double>& samples() const { return samples_; }

    static double heard(const std::vector<double>& s, std::size_t from) {
        return test::loudSeconds(std::vector<double>(s.begin() + std::ptrdiff_t(from), s.end()), kRecordRate);
    }

private:
    QProcess rec_;
    QByteArray pending_;
    std::vector<double> samples_;
};

struct ClipLevels {
    double seconds = 0.0;  // audible, as loudSeconds counts it
    double loudestDb = -200.0;  // rather than the peak, which resampling moves
};

ClipLevels levelsOf(const QString& path) {
    const auto clip = loadWav(path);
    if (!clip) return {};
    const auto s = test::int16Samples(clip->pcm);
    const int rate = clip->format.sampleRate();
    return {test::loudSeconds(s, rate), test::loudestDb(s, rate)};
}

// A steady tone far longer than any effect, at a level no effect has, so that a
// recording shows at once whether it was cut off or still sounds.
constexpr double kToneSeconds = 3.0;
constexpr double kTonePeak = 0.03;  // about -30 dBFS

QByteArray longTone() {
    std::vector<double> s(static_cast<std::size_t>(kToneSeconds * kRecordRate));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = kTonePeak * std::sin(2.0 * std::numbers::pi * 440.0 * static_cast<double>(i) / kRecordRate);
    return test::monoWav(s, kRecordRate);
}

class SoundOnRealServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<PulseSandbox>(); }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        if (!server_->failure().isEmpty()) {
            if (soundRequired()) FAIL() << "no sound server: " << server_->failure().toStdString();
            GTEST_SKIP() << "no sound server to play into: " << server_->failure().toStdString();
        }
        recorder_ = std::make_unique<Recorder>();
        ASSERT_TRUE(recorder_->waitUntilRunning()) << "parecord delivers nothing";
    }

    // A folder with the real chime and the long tone in place of the explosion.
    void useToneAsExplosion() {
        ASSERT_TRUE(QFile::copy(QString(KRIVOL_BIN_DIR) + "/b.WAV", folder_.filePath("b.WAV")));
        QFile tone(folder_.filePath(kExplosion));
        ASSERT_TRUE(tone.open(QIODevice::WriteOnly));
        ASSERT_EQ(tone.write(longTone()), longTone().size());
        tone.close();
        player_ = loadSound(KRIVOL_BIN_DIR, DataFolders(folder_.path()));
    }

    double heardSoFar() const { return Recorder::heard(recorder_->samples(), 0); }

    static std::unique_ptr<PulseSandbox> server_;
    std::unique_ptr<Recorder> recorder_;
    QTemporaryDir folder_;
    // Through the module, as the window gets it.
    std::unique_ptr<SoundPort> player_ = loadSound(KRIVOL_BIN_DIR, DataFolders(KRIVOL_BIN_DIR));
};

std::unique_ptr<PulseSandbox> SoundOnRealServer::server_;

TEST_F(SoundOnRealServer, EverySoundArrivesWholeAndAtItsLevel) {
    for (const QString& name : {QString("b.WAV"), QString("g.WAV"), QString("die.wav"), kExplosion}) {
        SCOPED_TRACE(name.toStdString());
        const std::size_t from = recorder_->samples().size();
        const ClipLevels clip = levelsOf(QString(KRIVOL_BIN_DIR) + "/" + name);
        player_->WAV(name);
        ASSERT_TRUE(recorder_->waitUntilOver(from, clip.seconds - 0.05))
            << "heard " << Recorder::heard(recorder_->samples(), from) << " s of " << clip.seconds << " s";
        const std::vector<double> heard(recorder_->samples().begin() + std::ptrdiff_t(from),
                                        recorder_->samples().end());
        EXPECT_NEAR(test::loudSeconds(heard, kRecordRate), clip.seconds, 0.05);
        EXPECT_NEAR(test::loudestDb(heard, kRecordRate), clip.loudestDb, 1.0);
    }
}

TEST_F(SoundOnRealServer, NewRequestCutsOffTheSoundingOne) {
    useToneAsExplosion();
    const ClipLevels chime = levelsOf(folder_.filePath("b.WAV"));
    player_->WAV(kExplosion);
    ASSERT_TRUE(recorder_->waitUntilHeard());
    const double before = heardSoFar();
    player_->WAV("b.WAV");
    ASSERT_TRUE(recorder_->waitUntilOver(0, before + chime.seconds - 0.05))
        << "the chime was not heard whole after the cut: " << heardSoFar() << " s in all";
    const double total = heardSoFar();
    EXPECT_LT(total, kToneSeconds - 0.5) << "the tone was not cut off";
    EXPECT_NEAR(test::loudestDb(recorder_->samples(), kRecordRate), chime.loudestDb, 1.0)
        << "the chime was not heard";
}

TEST_F(SoundOnRealServer, EmptyNameSilencesTheSoundingOne) {
    useToneAsExplosion();
    player_->WAV(kExplosion);
    ASSERT_TRUE(recorder_->waitUntilHeard());
    player_->WAV("");
    ASSERT_TRUE(recorder_->waitUntilOver(0, 0.0));
    EXPECT_LT(heardSoFar(), kToneSeconds - 0.5) << "the tone was not silenced";
}

TEST_F(SoundOnRealServer, RepeatedSoundStartsOverFromTheBeginning) {
    useToneAsExplosion();
    const double whole = levelsOf(folder_.filePath(kExplosion)).seconds;
    player_->WAV(kExplosion);
    ASSERT_TRUE(recorder_->waitUntilHeard());
    const double before = heardSoFar();
    player_->WAV(kExplosion);
    ASSERT_TRUE(recorder_->waitUntilOver(0, before + whole - 0.05))
        << "the tone did not start over whole: " << heardSoFar() << " s in all";
    const double total = heardSoFar();
    EXPECT_LT(total, 2.0 * whole - 0.5) << "the first start played on to its end";
}

}  // namespace
}  // namespace krivol

int main(int argc, char** argv) { return krivol::test::runSoundTests(argc, argv); }

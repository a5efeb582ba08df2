// A voice in front of a device that answers only when the test lets it: the
// game's thread hands clips over and goes on, whatever the device does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMutex>
#include <QSemaphore>
#include <QThread>

#include <memory>
#include <vector>

#include "shell/sound/sink_voice.h"
#include "shell/sound_main.h"

namespace krivol {
namespace {

// A guard against a hung test, far beyond any real wait; not a timing check.
constexpr int kHangMs = 60000;

struct Call {
    QString what;
    QThread* thread;
    QByteArray pcm;
    int sampleRate;
};

// What a fake device saw, shared with the test thread.
struct DeviceLog {
    void add(const QString& what, const WavClip& clip = {}) {
        const QMutexLocker lock(&mutex);
        calls.push_back({what, QThread::currentThread(), clip.pcm, clip.format.sampleRate()});
    }
    std::vector<Call> snapshot() {
        const QMutexLocker lock(&mutex);
        return calls;
    }

    QMutex mutex;
    std::vector<Call> calls;
    QThread* caller = QThread::currentThread();
    QSemaphore entered;   // a call has begun
    QSemaphore answers;   // the device may finish one more call
};

// Every call blocks until the test releases an answer, like a sound server that
// takes its time. On the caller's own thread it would block the test for good,
// so there it only records the call, which fails the test.
class SlowDevice : public AudioOut {
public:
    explicit SlowDevice(DeviceLog& log) : log_(log) { log_.add("made"); }
    ~SlowDevice() override { log_.add("gone"); }
    void play(const WavClip& clip) override { call("play", clip); }
    void stop() override { call("stop", {}); }

private:
    void call(const QString& what, const WavClip& clip) {
        log_.add(what, clip);
        if (QThread::currentThread() == log_.caller) return;
        log_.entered.release();
        log_.answers.acquire();
    }
    DeviceLog& log_;
};

WavClip toneClip() {
    WavClip clip;
    clip.format.setSampleFormat(QAudioFormat::Int16);
    clip.format.setChannelCount(1);
    clip.format.setSampleRate(22050);
    clip.pcm = QByteArray("\x10\x00\x20\x00\x30\x00", 6);
    return clip;
}

TEST(SinkVoice, RequestsOnlyHandTheClipToTheAudioThread) {
    DeviceLog log;
    const WavClip clip = toneClip();
    {
        SinkVoice voice(clip, [&log] { return std::make_unique<SlowDevice>(log); });
        voice.start();
        ASSERT_TRUE(log.entered.tryAcquire(1, kHangMs)) << "the audio thread never played";
        // The device is busy with the first start; the caller goes on regardless.
        voice.stop();
        voice.start();
        voice.stop();
        log.answers.release(4);
    }  // waits until the audio thread has made every call handed to it
    const auto calls = log.snapshot();
    QStringList order;
    for (const Call& c : calls) order << c.what;
    EXPECT_EQ(order.join(' ').toStdString(), "made play stop play stop gone");

    QThread* audio = calls.front().thread;
    EXPECT_NE(audio, log.caller) << "the device was made on the caller's thread";
    for (const Call& c : calls) {
        SCOPED_TRACE(c.what.toStdString());
        EXPECT_EQ(c.thread, audio) << "every device call belongs on the one audio thread";
        if (c.what != "play") continue;
        EXPECT_EQ(c.pcm, clip.pcm);
        EXPECT_EQ(c.sampleRate, 22050);
    }
}

}  // namespace
}  // namespace krivol

int main(int argc, char** argv) { return krivol::test::runSoundTests(argc, argv); }

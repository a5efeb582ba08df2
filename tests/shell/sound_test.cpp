// Sound without speakers: which sound plays after which request (through fake
// voices), the wave decoder, and the effects the build synthesises.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <filesystem>
#include <sys/stat.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/loudness.h"
#include "shell/sound_main.h"
#include "shell/sound/sound_player.h"
#include "shell/wav_bytes.h"
#include "shell/sound/wav_clip.h"

namespace krivol {
namespace {

const QString kExplosion = QStringLiteral(u"взрыв.wav");
const QStringList kAllSounds = {"b.WAV", "g.WAV", "die.wav", kExplosion};

// ---- which voice sounds ---------------------------------------------------

class FakeVoice : public Voice {
public:
    FakeVoice(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}
    void start() override { log_ << "start " + name_; }
    void stop() override { log_ << "stop " + name_; }

private:
    QString name_;
    QStringList& log_;
};

class SoundRequests : public ::testing::Test {
protected:
    // A folder holding (empty) files of the given names, and a player over fake voices.
    void makePlayer(const QStringList& present) {
        for (const QString& name : present) {
            QFile file(dir_.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        player_ = std::make_unique<SoundPlayer>(dir_.path(), [this](const QString& path) {
            paths_ << path;
            return std::make_unique<FakeVoice>(QFileInfo(path).fileName(), log_);
        });
    }

    QTemporaryDir dir_;
    QStringList paths_;
    QStringList log_;
    std::unique_ptr<SoundPlayer> player_;
};

TEST_F(SoundRequests, LoadsEachPresentFileOnceFromTheProgramFolder) {
    makePlayer(kAllSounds);
    QStringList expected;
    for (const QString& name : kAllSounds) expected << dir_.path() + "/" + name;
    EXPECT_EQ(paths_, expected);

    player_->WAV("b.WAV");
    player_->WAV("b.WAV");
    EXPECT_EQ(paths_.size(), 4) << "a request must not load anything";
}

TEST_F(SoundRequests, NewestRequestCutsOffThePlayingSound) {
    makePlayer(kAllSounds);
    player_->WAV("b.WAV");
    player_->WAV("g.WAV");
    player_->WAV(kExplosion);
    EXPECT_EQ(log_, QStringList({"start b.WAV", "stop b.WAV", "start g.WAV", "stop g.WAV",
                                 "start " + kExplosion}));
}

TEST_F(SoundRequests, SameSoundAgainStartsOver) {
    makePlayer(kAllSounds);
    player_->WAV("die.wav");
    player_->WAV("die.wav");
    EXPECT_EQ(log_, QStringList({"start die.wav", "stop die.wav", "start die.wav"}));
}

TEST_F(SoundRequests, EmptyNameOnlyStops) {
    makePlayer(kAllSounds);
    player_->WAV(kExplosion);
    player_->WAV("");
    player_->WAV("");
    EXPECT_EQ(log_, QStringList({"start " + kExplosion, "stop " + kExplosion}));
}

TEST_F(SoundRequests, MissingOrUnknownFileIsSilentButStillCutsOff) {
    makePlayer({"b.WAV", "die.wav"});
    EXPECT_EQ(paths_.size(), 2);
    player_->WAV("b.WAV");
    player_->WAV("g.WAV");  // file absent
    player_->WAV("die.wav");
    player_->WAV("nonsense.wav");
    EXPECT_EQ(log_, QStringList({"start b.WAV", "stop b.WAV", "start die.wav", "stop die.wav"}));
}

TEST_F(SoundRequests, NamesMatchExactlyIncludingCase) {
    makePlayer(kAllSounds);
    player_->WAV("b.wav");
    player_->WAV("G.WAV");
    player_->WAV("B.WAV");
    EXPECT_TRUE(log_.isEmpty()) << log_.join(", ").toStdString();
}

TEST_F(SoundRequests, UnplayableFileIsLikeAMissingOne) {
    for (const QString& name : kAllSounds) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Only the bonus chime decodes.
    SoundPlayer player(dir_.path(), [this](const QString& path) -> std::unique_ptr<Voice> {
        const QString name = QFileInfo(path).fileName();
        if (name != "b.WAV") return nullptr;
        return std::make_unique<FakeVoice>(name, log_);
    });
    player.WAV("b.WAV");
    player.WAV(kExplosion);
    player.WAV("b.WAV");
    player.WAV("g.WAV");
    player.WAV("");
    EXPECT_EQ(log_, QStringList({"start b.WAV", "stop b.WAV", "start b.WAV", "stop b.WAV"}));
}

// The real back end on a machine without a sound server: requests go by
// without a complaint per request, and the player closes down cleanly. The
// server address points nowhere so that a developer's own speakers stay quiet.
QStringList* gMessages = nullptr;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (gMessages) *gMessages << text;
}

TEST(SoundWithoutServer, RequestsAreSilentAndQuiet) {
    qputenv("PULSE_SERVER", "unix:/nonexistent/krivol/native");
    QStringList messages;
    {
        auto player = std::make_unique<SoundPlayer>(KRIVOL_BIN_DIR);
        QTemporaryDir empty;
        SoundPlayer nothing(empty.path() + "/nowhere");
        gMessages = &messages;
        const QtMessageHandler before = qInstallMessageHandler(keepMessage);
        for (int round = 0; round < 3; ++round) {
            for (const QString& name : kAllSounds + QStringList{""}) {
                player->WAV(name);
                nothing.WAV(name);
                QCoreApplication::processEvents();
            }
        }
        player.reset();  // waits for the audio threads to finish every request
        qInstallMessageHandler(before);
        gMessages = nullptr;
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}

// ---- wave decoding ----------------------------------------------------------

using test::chunk;
using test::fmtBody;
using test::le;
using test::riff;

TEST(SoundFileDecoding, PlainPcm16) {
    const QByteArray data("\x01\x02\x03\x04\x05\x06", 6);
    const auto clip = parseWav(riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", data)));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(clip->format.channelCount(), 1);
    EXPECT_EQ(clip->format.sampleRate(), 22050);
    EXPECT_EQ(clip->pcm, data);
}

TEST(SoundFileDecoding, SkipsOtherChunksIncludingOddSizedOnes) {
    const QByteArray data(8, '\x7f');
    const auto clip = parseWav(riff(chunk("LIST", "abc") + chunk("fmt ", fmtBody(1, 2, 44100, 8)) +
                                    chunk("fact", le(4, 4)) + chunk("data", data)));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->format.sampleFormat(), QAudioFormat::UInt8);
    EXPECT_EQ(clip->format.channelCount(), 2);
    EXPECT_EQ(clip->pcm, data);
}

TEST(SoundFileDecoding, ExtensibleHeaderTakesTheSubFormat) {
    QByteArray fmt = fmtBody(0xFFFE, 1, 48000, 32) + le(22, 2) + le(32, 2) + le(4, 4);
    const QByteArray pcmGuid = le(1, 2) + QByteArray(14, '\0');
    const QByteArray floatGuid = le(3, 2) + QByteArray(14, '\0');
    const QByteArray data(16, '\0');
    const auto asInt = parseWav(riff(chunk("fmt ", fmt + pcmGuid) + chunk("data", data)));
    const auto asFloat = parseWav(riff(chunk("fmt ", fmt + floatGuid) + chunk("data", data)));
    ASSERT_TRUE(asInt && asFloat);
    EXPECT_EQ(asInt->format.sampleFormat(), QAudioFormat::Int32);
    EXPECT_EQ(asFloat->format.sampleFormat(), QAudioFormat::Float);
}

TEST(SoundFileDecoding, CutShortDataKeepsWholeFrames) {
    // Stereo 16-bit: 4 bytes a frame; 10 bytes present although 1000 are claimed.
    const QByteArray bytes = riff(chunk("fmt ", fmtBody(1, 2, 22050, 16))) + "data" + le(1000, 4) +
                             QByteArray(10, '\x11');
    const auto clip = parseWav(bytes);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->pcm.size(), 8);
}

TEST(SoundFileDecoding, RejectsWhatCannotBePlayed) {
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 1, 22050, 16));
    const QByteArray data = chunk("data", QByteArray(4, '\0'));
    const std::map<std::string, QByteArray> cases = {
        {"empty", QByteArray()},
        {"not riff", "RIFX" + riff(fmt + data).mid(4)},
        {"not wave", riff(fmt + data).replace(8, 4, "AVI ")},
        {"adpcm", riff(chunk("fmt ", fmtBody(2, 1, 22050, 4)) + data)},
        {"24 bit", riff(chunk("fmt ", fmtBody(1, 1, 22050, 24)) + data)},
        {"no channels", riff(chunk("fmt ", fmtBody(1, 0, 22050, 16)) + data)},
        {"short fmt", riff(chunk("fmt ", fmtBody(1, 1, 22050, 16).left(12)) + data)},
        {"data before fmt", riff(data + fmt)},
        {"no data", riff(fmt)},
        {"empty data", riff(fmt + chunk("data", QByteArray()))},
        {"half a frame", riff(fmt + chunk("data", QByteArray(1, '\0')))},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(parseWav(bytes)) << what;
    EXPECT_FALSE(loadWav(QDir::tempPath() + "/krivol-no-such-file.wav"));
}

// A sound file is skipped like a missing one, without being read, when it is
// no regular file (a pipe would block) or larger than any effect.
TEST(SoundFileDecoding, SkipsPipesAndOversizedFilesUnread) {
    QTemporaryDir dir;
    const QByteArray header = riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", QByteArray(4, '\0')));
    auto wavOfSize = [&](const QString& name, qint64 size) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(header);
        EXPECT_TRUE(file.resize(size));  // sparse: nothing of it is on disk
        return file.fileName();
    };
    EXPECT_TRUE(loadWav(wavOfSize("fits.wav", kMaxWavBytes)));
    EXPECT_FALSE(loadWav(wavOfSize("over.wav", kMaxWavBytes + 1)));
    EXPECT_FALSE(loadWav(wavOfSize("huge.wav", 2LL << 30)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.wav")).constData(), 0600), 0);
    EXPECT_FALSE(loadWav(dir.filePath("pipe.wav")));
}

// ---- the synthesised effects ------------------------------------------------

struct Design {
    QString name;
    double minSeconds;
    double maxSeconds;
    double loudestDb;  // RMS of the loudest 100 ms: the rarer the sound, the louder
};

const std::vector<Design> kDesigns = {
    {"b.WAV", 0.25, 0.45, -18.0},   // bonus chime, every bonus
    {"g.WAV", 0.4, 0.65, -14.0},    // ghost arrival, every 500 ticks
    {"die.wav", 0.2, 0.4, -10.0},   // ghost hit
    {kExplosion, 0.9, 1.2, -6.0},   // once a lost round
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(GeneratedSounds, LieBesideTheProgramUnderTheirExactNames) {
    const QStringList files = QDir(KRIVOL_BIN_DIR).entryList(QDir::Files);
    for (const QString& name : kAllSounds) EXPECT_TRUE(files.contains(name)) << name.toStdString();
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(KRIVOL_BIN_DIR) / u8"взрыв.wav"))
        << "the explosion's name must be UTF-8 on disk";
}

TEST(GeneratedSounds, AreWellFormedMono16BitPcm) {
    for (const Design& d : kDesigns) {
        SCOPED_TRACE(d.name.toStdString());
        const QByteArray bytes = readFile(QString(KRIVOL_BIN_DIR) + "/" + d.name);
        ASSERT_GE(bytes.size(), 44);
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
        const auto clip = parseWav(bytes);
        ASSERT_TRUE(clip);
        EXPECT_EQ(clip->format.sampleFormat(), QAudioFormat::Int16);
        EXPECT_EQ(clip->format.channelCount(), 1);
        EXPECT_GE(clip->format.sampleRate(), 22050);
        EXPECT_EQ(bytes.size(), 44 + clip->pcm.size()) << "nothing after the samples";
    }
}

TEST(GeneratedSounds, SoundForAboutTheirDesignedLength) {
    for (const Design& d : kDesigns) {
        SCOPED_TRACE(d.name.toStdString());
        const auto clip = loadWav(QString(KRIVOL_BIN_DIR) + "/" + d.name);
        ASSERT_TRUE(clip);
        const auto samples = test::int16Samples(clip->pcm);
        const int rate = clip->format.sampleRate();
        const double seconds = static_cast<double>(samples.size()) / rate;
        EXPECT_GE(seconds, d.minSeconds);
        EXPECT_LE(seconds, d.maxSeconds);

        const auto spans = test::loudSpans(samples, rate);
        ASSERT_EQ(spans.size(), 1u) << "one continuous sound";
        EXPECT_LT(spans[0].begin, 0.02);
        EXPECT_GT(spans[0].length(), 0.8 * seconds) << "audible for most of the file";
        EXPECT_NEAR(test::loudestDb(samples, rate), d.loudestDb, 0.5);
        EXPECT_LE(spans[0].peakDb, -3.0 + 0.01) << "headroom for the mixer";
    }
}

TEST(GeneratedSounds, StartAndEndWithoutAClick) {
    for (const Design& d : kDesigns) {
        SCOPED_TRACE(d.name.toStdString());
        const auto clip = loadWav(QString(KRIVOL_BIN_DIR) + "/" + d.name);
        ASSERT_TRUE(clip);
        const auto s = test::int16Samples(clip->pcm);
        ASSERT_GT(s.size(), 100u);
        EXPECT_LT(std::abs(s.front()), 0.01);
        EXPECT_LT(std::abs(s.back()), 0.01);
        for (std::size_t i = 1; i < 20; ++i) EXPECT_LT(std::abs(s[i]), 0.2) << "sample " << i;
    }
}

TEST(GeneratedSounds, AreAllDifferent) {
    std::vector<QByteArray> pcm;
    for (const QString& name : kAllSounds) pcm.push_back(readFile(QString(KRIVOL_BIN_DIR) + "/" + name).mid(44));
    for (std::size_t a = 0; a < pcm.size(); ++a)
        for (std::size_t b = a + 1; b < pcm.size(); ++b)
            EXPECT_NE(pcm[a], pcm[b]) << kAllSounds[int(a)].toStdString() << " vs "
                                      << kAllSounds[int(b)].toStdString();
}

// ---- the generator itself -----------------------------------------------------

const QString kGenerator = QStringLiteral(KRIVOL_BIN_DIR "/../data/krivol-wavgen");

TEST(SoundGenerator, WritesTheSameBytesEveryTime) {
    ASSERT_TRUE(QFile::exists(kGenerator)) << kGenerator.toStdString();
    QTemporaryDir out;
    ASSERT_EQ(QProcess::execute(kGenerator, {out.path()}), 0);
    for (const QString& name : kAllSounds) {
        const QByteArray fresh = readFile(out.filePath(name));
        EXPECT_FALSE(fresh.isEmpty()) << name.toStdString();
        EXPECT_EQ(fresh, readFile(QString(KRIVOL_BIN_DIR) + "/" + name)) << name.toStdString();
    }
}

TEST(SoundGenerator, FailsLoudlyWhenItCannotWrite) {
    QTemporaryDir out;
    QProcess gen;
    gen.start(kGenerator, {out.filePath("missing/folder")});
    ASSERT_TRUE(gen.waitForFinished(10000));
    EXPECT_NE(gen.exitCode(), 0);
    EXPECT_TRUE(gen.readAllStandardError().contains("cannot write"));
}

}  // namespace
}  // namespace krivol

int main(int argc, char** argv) { return krivol::test::runSoundTests(argc, argv); }

// krivol-cli replay --video, checked by decoding what it wrote with FFmpeg's
// own tools, as a player's browser or chat program would read it; and the two
// pieces whose faults those checks would only blur: the pixel scaler and the
// sound track.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <signal.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "cli/video/pixel_scaler.h"
#include "cli/video/sound_clip.h"
#include "cli/video/sound_track.h"
#include "files/regular_file.h"
#include "support/cli_run.h"
#include "support/file_size_limit.h"

namespace krivol {
namespace {

using test::runCli;

const QString kLevel1 = QStringLiteral(KRIVOL_SOURCE_DIR "/tests/replays/level1.krivol-replay");
constexpr int kScale = 2;
constexpr int kTicksPerPicture = 4;
constexpr int kBoxPictures = 50;  // two seconds at 25 pictures a second
constexpr int kSamplesPerTick = 480;

QByteArray tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return p.readAllStandardOutput();
}

bool hasFfmpeg() { return !tool(QStringLiteral("ffprobe"), {QStringLiteral("-version")}).isEmpty(); }

QImage decodedPicture(const QString& video, int index, const QString& png) {
    tool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                                     QStringLiteral("-i"), video, QStringLiteral("-vf"),
                                     QStringLiteral("select=eq(n\\,%1)").arg(index), QStringLiteral("-vframes"),
                                     QStringLiteral("1"), png});
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

std::vector<float> decodedSound(const QString& video) {
    const QByteArray raw = tool(QStringLiteral("ffmpeg"),
                                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), video,
                                 QStringLiteral("-f"), QStringLiteral("f32le"), QStringLiteral("-ac"),
                                 QStringLiteral("1"), QStringLiteral("-ar"), QStringLiteral("48000"),
                                 QStringLiteral("-")});
    std::vector<float> samples(static_cast<size_t>(raw.size()) / sizeof(float));
    std::memcpy(samples.data(), raw.constData(), samples.size() * sizeof(float));
    return samples;
}

double rms(const std::vector<float>& s, long long from, long long to) {
    double sum = 0;
    to = std::min(to, static_cast<long long>(s.size()));
    for (long long i = from; i < to; ++i) sum += double(s[size_t(i)]) * s[size_t(i)];
    return std::sqrt(sum / double(std::max(1LL, to - from)));
}

// Pixels of `a` farther than a lossy codec's noise from `b` made kScale times bigger.
int farPixels(const QImage& a, const QImage& b) {
    int far = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x / kScale, y / kScale);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            far += d > 64;
        }
    return far;
}

// The session ticks with a sound in the trace, and with which names.
std::vector<std::pair<long long, QString>> soundTicks(const QString& trace) {
    QFile lines(trace);
    std::vector<std::pair<long long, QString>> ticks;
    if (!lines.open(QIODevice::ReadOnly)) return ticks;
    const QRegularExpression pattern(QStringLiteral("\"t\":(\\d+).*\"wav\":\\[\"([^\"]+)\""));
    while (!lines.atEnd()) {
        const auto m = pattern.match(QString::fromUtf8(lines.readLine()));
        if (m.hasMatch()) ticks.emplace_back(m.captured(1).toLongLong(), m.captured(2));
    }
    return ticks;
}

// Every file below `folder`, hidden ones too, with its size.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files << it.filePath() + QLatin1Char(' ') + QString::number(it.fileInfo().size());
    }
    files.sort();
    return files;
}

int decodedPictures(const QString& video) {
    return QString::fromUtf8(tool(QStringLiteral("ffprobe"),
                                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                                   QStringLiteral("-select_streams"), QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                   QStringLiteral("stream=nb_read_frames"), QStringLiteral("-of"),
                                   QStringLiteral("csv=p=0"), video}))
        .trimmed()
        .toInt();
}

class VideoOut : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (hasFfmpeg()) return;
        if (qEnvironmentVariable("KRIVOL_REQUIRE_PLAYERS") == QLatin1String("1")) FAIL() << "ffmpeg is not installed";
        GTEST_SKIP() << "ffmpeg is not installed";
    }
    QTemporaryDir dir;
    QString at(const QString& name) const { return dir.filePath(name); }
};

// Round 1 of the shipped level 1, lost in tick 414, in both formats: a
// picture every fourth tick from the setup on, then the defeat box for two
// seconds; a picture is --frame of its tick scaled up (within the codec's
// noise) and no other tick's; sound where the trace asks for it, the
// explosion under the box, silence before the first request.
TEST_P(VideoOut, RoundOnePicturesBoxAndSounds) {
    const QString video = at(QStringLiteral("round1.") + GetParam());
    const QString trace = at(QStringLiteral("trace.jsonl"));
    const auto run = runCli({QStringLiteral("replay"), kLevel1, QStringLiteral("--rounds"), QStringLiteral("1"),
                             QStringLiteral("--video"), video, QStringLiteral("--trace"), trace});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    constexpr long long kTicks = 414;
    constexpr int kPictures = kTicks / kTicksPerPicture + 1;

    const QStringList probe = QString::fromUtf8(tool(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"), QStringLiteral("-select_streams"),
         QStringLiteral("v:0"), QStringLiteral("-show_entries"), QStringLiteral("stream=width,height,nb_read_frames"),
         QStringLiteral("-of"), QStringLiteral("csv=p=0"), video})).trimmed().split(QLatin1Char(','));
    ASSERT_EQ(probe.size(), 3);
    EXPECT_EQ(probe[0].toInt(), 600 * kScale);
    EXPECT_EQ(probe[1].toInt(), 634 * kScale);  // the field and the bar under it
    EXPECT_EQ(probe[2].toInt(), kPictures + kBoxPictures);

    QFile recording(kLevel1);
    ASSERT_TRUE(recording.open(QIODevice::ReadOnly));
    QFile keys(at(QStringLiteral("keys.txt")));
    ASSERT_TRUE(keys.open(QIODevice::WriteOnly));
    while (!recording.atEnd()) {
        const QByteArray line = recording.readLine();
        if (line.startsWith("key 1 ")) keys.write(line.mid(6));
    }
    keys.close();
    const auto frameOf = [&](int tick) {
        const QString png = at(QStringLiteral("tick%1.png").arg(tick));
        runCli({QStringLiteral("play"), QStringLiteral("1"), QStringLiteral("--seed"), QStringLiteral("1001"),
                QStringLiteral("--keys"), keys.fileName(), QStringLiteral("--ticks"), QString::number(tick),
                QStringLiteral("--frame"), png});
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    };
    const QImage field = decodedPicture(video, 50, at(QStringLiteral("p50.png"))).copy(0, 0, 600 * kScale, 600 * kScale);
    ASSERT_EQ(field.width(), 600 * kScale);
    EXPECT_LE(farPixels(field, frameOf(200)), 10);  // H.264 leaves a few at an edge
    EXPECT_GT(farPixels(field, frameOf(199)), 100);
    EXPECT_GT(farPixels(field, frameOf(201)), 100);

    const auto sounds = soundTicks(trace);
    ASSERT_GE(sounds.size(), 2u);
    const std::vector<float> sound = decodedSound(video);
    ASSERT_GE(static_cast<long long>(sound.size()), (kTicks + kBoxPictures * kTicksPerPicture) * kSamplesPerTick);
    const long long first = sounds.front().first;  // round 1 starts in tick 1
    EXPECT_LT(rms(sound, 0, (first - 3) * kSamplesPerTick), 0.002);
    EXPECT_GT(rms(sound, (first - 1) * kSamplesPerTick, (first + 10) * kSamplesPerTick), 0.02);
    // The trace names the explosion with the next round's setup; it sounds with the box.
    const auto explosion = std::find_if(sounds.begin(), sounds.end(), [](const auto& s) { return s.second == QStringLiteral("взрыв.wav"); });
    ASSERT_NE(explosion, sounds.end());
    EXPECT_EQ(explosion->first, kTicks);
    const long long box = static_cast<long long>(kPictures) * kTicksPerPicture * kSamplesPerTick;
    EXPECT_LT(rms(sound, box - 30 * kSamplesPerTick, box - 2 * kSamplesPerTick), 0.002);
    EXPECT_GT(rms(sound, box, box + 20 * kSamplesPerTick), 0.02);
}

INSTANTIATE_TEST_SUITE_P(Formats, VideoOut, ::testing::Values("mp4", "webm"));

// Every bad input: one line, the exit code, and nothing under OUT's name or
// beside it, wherever OUT was to go.
TEST(VideoBadInput, OneLineAndNoFileLeft) {
    QTemporaryDir dir;
    QFile damaged(dir.filePath(QStringLiteral("damaged.krivol-replay")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("krivol-replay 1\nseed x\n");
    damaged.close();
    // A level folder whose KRIVOL01.BMP is not the recorded one.
    const QString changed = dir.filePath(QStringLiteral("changed"));
    QDir().mkpath(changed);
    QFile::copy(QStringLiteral(KRIVOL_SOURCE_DIR "/tests/replays/corridor/KRIVOL02.BMP"), changed + QStringLiteral("/KRIVOL01.BMP"));
    QDir().mkpath(dir.filePath(QStringLiteral("out")));
    QDir().mkpath(dir.filePath(QStringLiteral("out.webm")));
    const QString out = dir.filePath(QStringLiteral("out/v.webm"));
    struct Case {
        const char* what;
        QStringList args;
        int exitCode;
        rlim_t sizeLimit;  // 0: none; else the disk is full past it
    };
    const QString corridor = QStringLiteral(KRIVOL_SOURCE_DIR "/tests/replays/corridor.krivol-replay");
    // A folder without the corridor game's first level: the game's own is found instead.
    const QString partial = dir.filePath(QStringLiteral("partial"));
    QDir().mkpath(partial);
    QFile::copy(QStringLiteral(KRIVOL_SOURCE_DIR "/tests/replays/corridor/KRIVOL02.BMP"), partial + QStringLiteral("/KRIVOL02.BMP"));
    const QStringList before = filesUnder(dir.path());
    const std::vector<Case> cases = {
        {"unknown ending", {kLevel1, QStringLiteral("--video"), dir.filePath(QStringLiteral("out/v.avi"))}, 2, 0},
        {"bad --rounds", {kLevel1, QStringLiteral("--rounds"), QStringLiteral("3-2"), QStringLiteral("--video"), out}, 2, 0},
        {"--scale 0", {kLevel1, QStringLiteral("--scale"), QStringLiteral("0"), QStringLiteral("--video"), out}, 2, 0},
        {"--scale without --video", {kLevel1, QStringLiteral("--scale"), QStringLiteral("3")}, 2, 0},
        {"webm past --scale 3",
         {kLevel1, QStringLiteral("--scale"), QStringLiteral("4"), QStringLiteral("--video"), dir.filePath(QStringLiteral("out/v.webm"))}, 2, 0},
        {"damaged recording", {damaged.fileName(), QStringLiteral("--video"), out}, 1, 0},
        {"no such round", {kLevel1, QStringLiteral("--rounds"), QStringLiteral("9"), QStringLiteral("--video"), out}, 1, 0},
        {"changed level", {corridor, QStringLiteral("--levels"), changed, QStringLiteral("--video"), out}, 1, 0},
        {"level missing from --levels DIR", {corridor, QStringLiteral("--levels"), partial, QStringLiteral("--video"), out}, 1, 0},
        {"unwritable folder", {kLevel1, QStringLiteral("--video"), dir.filePath(QStringLiteral("none/v.webm"))}, 1, 0},
        {"OUT is a folder", {kLevel1, QStringLiteral("--video"), dir.filePath(QStringLiteral("out.webm"))}, 1, 0},
        {"full disk", {kLevel1, QStringLiteral("--rounds"), QStringLiteral("1"), QStringLiteral("--video"), out}, 1, 200000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::CliRun run;
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit) limit.emplace(c.sizeLimit);
            run = runCli(QStringList{QStringLiteral("replay")} + c.args);
        }
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        if (c.exitCode == 1) {
            EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        }
        EXPECT_EQ(filesUnder(dir.path()), before);
    }
}

// level1's recording as a game killed, crashed or cut off by a full disk
// leaves it: the lines before line `lines`, then `tail`. Round 1 lasts 414
// ticks and ends in line 28; round 2 starts at tick 415, and line 100 is
// its key in tick 1411, so 996 of its ticks are known to have been played.
QByteArray level1Cut(int lines, const QByteArray& tail) {
    QFile file(kLevel1);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text;
    for (int i = 1; i < lines && !file.atEnd(); ++i) text += file.readLine();
    return text + tail;
}

QByteArray level1Damaged() {
    QFile file(kLevel1);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArrayList lines = file.readAll().split('\n');
    lines[49] = "key 2 oops";
    return lines.join('\n');
}

// A cut recording plays every round it holds, the unfinished one up to its
// last known tick, and says once where and why it stops; --verify cannot
// check that round; its video holds the last field under a caption, no end
// box. A damaged line before the end still refuses it whole.
TEST(CutRecording, PlaysChecksAndFilmsWhatItHolds) {
    if (!hasFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed";
    struct Cut {
        const char* what;
        QByteArray text;
        std::vector<long long> ticks;  // of each round; the last is unfinished
        const char* note;              // empty: damaged, refused with `refusal`
        const char* refusal;
    };
    const std::vector<Cut> cuts = {
        {"no end line", level1Cut(28, {}), {400},
         "round 1 is unfinished: the recording stops after its tick 400 (no end line)", ""},
        {"cut mid-line", level1Cut(101, "key 2 1"), {414, 996},
         "round 2 is unfinished: the recording stops after its tick 996 (line 101 is cut short and ignored)", ""},
        {"round 1 whole, round 2 cut", level1Cut(101, {}), {414, 996},
         "round 2 is unfinished: the recording stops after its tick 996 (no end line)", ""},
        {"a damaged line in the middle", level1Damaged(), {}, "",
         "line 50: expected \"key ROUND TICK down|up CODE\", got \"key 2 oops\""},
    };
    enum class Mode { replay, verify, video, videoRound1 };
    const std::pair<Mode, const char*> modes[] = {
        {Mode::replay, "replay"}, {Mode::verify, "--verify"}, {Mode::video, "--video"},
        {Mode::videoRound1, "--video --rounds 1"}};
    QTemporaryDir dir;
    for (const Cut& cut : cuts) {
        QFile file(dir.filePath(QStringLiteral("cut.krivol-replay")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(cut.text);
        file.close();
        for (const auto& [mode, name] : modes) {
            SCOPED_TRACE(std::string(cut.what) + ", " + name);
            const QString out = dir.filePath(QStringLiteral("videos/cut.mp4"));
            QDir(dir.filePath(QStringLiteral("videos"))).removeRecursively();
            QDir().mkpath(dir.filePath(QStringLiteral("videos")));
            QStringList args{QStringLiteral("replay"), file.fileName()};
            if (mode == Mode::verify) args << QStringLiteral("--verify");
            if (mode == Mode::video || mode == Mode::videoRound1)
                args << QStringLiteral("--video") << out << QStringLiteral("--scale") << QStringLiteral("1");
            if (mode == Mode::videoRound1) args << QStringLiteral("--rounds") << QStringLiteral("1");
            const auto run = runCli(args);

            const bool damaged = !*cut.note;
            const long long unfinished = damaged ? 0 : cut.ticks.back();
            const QString said = damaged             ? QString::fromUtf8(cut.refusal)
                                 : mode == Mode::verify ? QStringLiteral("round %1 is unfinished: nothing to compare after tick %2")
                                                             .arg(cut.ticks.size()).arg(unfinished)
                                                      : QString::fromUtf8(cut.note);
            EXPECT_EQ(run.exitCode, damaged || mode == Mode::verify ? 1 : 0);
            EXPECT_EQ(run.err, file.fileName() + QStringLiteral(": ") + said + QLatin1Char('\n'));
            const QString lastRound = run.out.section(QLatin1Char('\n'), -2, -2);
            if (!damaged) {
                EXPECT_TRUE(lastRound.contains(QStringLiteral(" end=unfinished "))) << lastRound.toStdString();
                EXPECT_TRUE(lastRound.endsWith(QStringLiteral(" ticks=%1").arg(unfinished))) << lastRound.toStdString();
            }
            EXPECT_EQ(run.out.count(QStringLiteral("round=")), static_cast<qsizetype>(cut.ticks.size()));

            const QStringList left = QDir(dir.filePath(QStringLiteral("videos"))).entryList(QDir::Files | QDir::Hidden);
            if (mode != Mode::video && mode != Mode::videoRound1) continue;
            if (damaged) {
                EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
                continue;
            }
            EXPECT_EQ(left, QStringList{QStringLiteral("cut.mp4")});
            const size_t rounds = mode == Mode::videoRound1 ? 1 : cut.ticks.size();
            int pictures = 0;  // a picture every fourth tick from the setup on, then two seconds held
            for (size_t r = 0; r < rounds; ++r) pictures += static_cast<int>(cut.ticks[r] / kTicksPerPicture) + 1 + kBoxPictures;
            EXPECT_EQ(decodedPictures(out), pictures);
            // The last picture: an end box's title bar, or the caption's band across the field.
            const QImage last = decodedPicture(out, pictures - 1, dir.filePath(QStringLiteral("last.png")));
            ASSERT_FALSE(last.isNull());
            const bool held = rounds == cut.ticks.size();
            const QRgb title = last.pixel(200, 250), band = last.pixel(20, 300);
            EXPECT_EQ(qBlue(title) > 90 && qRed(title) < 40, !held) << std::hex << title;
            EXPECT_EQ(qRed(band) > 220 && qGreen(band) > 220 && qBlue(band) > 220, held) << std::hex << band;
        }
    }
}

// From --scale 5 on, a picture has more pixels than 4K and the encoder is
// told to hold few of them; the player is told it may not play everywhere.
TEST(VideoScale, LargePicturesAreSaidAndStillWhole) {
    if (!hasFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed";
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("short.krivol-replay")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(level1Cut(8, {}));  // round 1 up to its tick 53
    file.close();
    for (const auto& [scale, said] : {std::pair{4, false}, std::pair{5, true}}) {
        SCOPED_TRACE(scale);
        const QString out = dir.filePath(QStringLiteral("v%1.mp4").arg(scale));
        const auto run = runCli({QStringLiteral("replay"), file.fileName(), QStringLiteral("--video"), out,
                                 QStringLiteral("--scale"), QString::number(scale)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.contains(QStringLiteral("have more pixels than 3840 x 2160")), said) << run.err.toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), said ? 2 : 1);
        EXPECT_EQ(decodedPictures(out), 53 / kTicksPerPicture + 1 + kBoxPictures);
    }
}

// Ctrl+C or a kill while the video is made: nothing half written is left
// beside OUT, OUT keeps its bytes, and the exit code is the shells' own.
TEST(VideoInterrupted, LeavesNoFileAndOutAsItWas) {
    if (!hasFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed";
    for (const auto& [signal, code] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        SCOPED_TRACE(signal);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("game.webm"));
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older video");
        old.close();
        QProcess cli;
        cli.start(QStringLiteral(KRIVOL_BIN_DIR "/krivol-cli"),
                  {QStringLiteral("replay"), kLevel1, QStringLiteral("--video"), out});
        ASSERT_TRUE(cli.waitForStarted());
        // Once the file beside has pictures in it, the encoders are at work.
        QElapsedTimer waited;
        waited.start();
        const auto beside = [&] {
            const QFileInfoList files = QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden);
            return std::any_of(files.begin(), files.end(), [](const QFileInfo& f) { return f.isHidden() && f.size() > 0; });
        };
        while (!beside() && waited.elapsed() < 60000 && cli.state() == QProcess::Running) QThread::msleep(20);
        ASSERT_TRUE(beside()) << "no file beside OUT";
        ::kill(static_cast<pid_t>(cli.processId()), signal);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), code);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("game.webm")});
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("an older video"));
    }
}

// Filling only the changed rows gives the picture a fresh start would, at odd
// and even scales; at an even scale every window pixel has one colour sample.
TEST(PixelScaler, ChangedRowsOnlyMatchAFreshFill) {
    QImage first(20, 14, QImage::Format_RGB32), second;
    QRandomGenerator random(7);
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x) first.setPixel(x, y, random.generate() | 0xFF000000u);
    second = first.copy();
    for (const int y : {0, 5, 13}) second.setPixel(y + 3, y, 0xFF10E020u);
    for (const int scale : {1, 2, 3}) {
        SCOPED_TRACE(scale);
        PixelScaler running(first.size(), scale), fresh(first.size(), scale);
        const auto frame = [&](PixelScaler& s) {
            FramePtr f(av_frame_alloc());
            f->format = AV_PIX_FMT_YUV420P;
            f->width = s.size().width();
            f->height = s.size().height();
            EXPECT_EQ(av_frame_get_buffer(f.get(), 0), 0);
            return f;
        };
        FramePtr a = frame(running), b = frame(fresh);
        ASSERT_TRUE(running.fill(first, *a) && running.fill(second, *a) && fresh.fill(second, *b));
        for (int plane = 0; plane < 3; ++plane) {
            const int rows = plane ? a->height / 2 : a->height, width = plane ? a->width / 2 : a->width;
            for (int y = 0; y < rows; ++y)
                ASSERT_EQ(std::memcmp(a->data[plane] + y * a->linesize[plane], b->data[plane] + y * b->linesize[plane],
                                      static_cast<size_t>(width)), 0)
                    << "plane " << plane << " row " << y;
        }
        if (scale == 2) {  // the green pixel's chroma sits exactly in its own sample
            const uint8_t* u = b->data[1] + 5 * b->linesize[1];
            EXPECT_NE(u[8], u[7]);
            EXPECT_NE(u[8], u[9]);
        }
    }
}

// The track plays each requested file from its sample, the newest cutting
// off the one playing, and a missing file as silence.
TEST(SoundTrack, NewestRequestReplacesThePlayingSound) {
    const DataFolders folders(QStringLiteral(KRIVOL_BIN_DIR));
    const auto samples = [&folders](const char* name) {
        QByteArray bytes;
        EXPECT_FALSE(readRegularFile(folders.soundFile(QString::fromUtf8(name)), 1 << 24, bytes));
        return decodeSound(bytes);
    };
    const std::vector<float> b = samples("b.WAV"), g = samples("g.WAV");
    ASSERT_GT(b.size(), 2000u);
    ASSERT_GT(g.size(), 2000u);
    SoundTrack track(folders);
    track.request(QStringLiteral("b.WAV"), 100);
    track.request(QStringLiteral("g.WAV"), 700);
    track.request(QStringLiteral("none.wav"), 1500);
    std::vector<float> out = track.render(1000);
    const std::vector<float> more = track.render(1000);
    out.insert(out.end(), more.begin(), more.end());
    for (int i = 0; i < 100; ++i) ASSERT_EQ(out[size_t(i)], 0.0f) << i;
    for (int i = 100; i < 700; ++i) ASSERT_EQ(out[size_t(i)], b[size_t(i - 100)]) << i;
    for (int i = 700; i < 1500; ++i) ASSERT_EQ(out[size_t(i)], g[size_t(i - 700)]) << i;
    for (int i = 1500; i < 2000; ++i) ASSERT_EQ(out[size_t(i)], 0.0f) << i;
}

}  // namespace
}  // namespace krivol

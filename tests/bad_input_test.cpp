// Whatever file or output a player or the internet hands krivol-cli: a clear
// reason, the right exit code, never a hang, a flood or a false success.
#include <gtest/gtest.h>

#include <QImage>
#include <cctype>
#include <QProcess>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "level_fixtures.h"
#include "support/level_grid.h"

namespace krivol {
namespace {

using test::LevelGrid;

// One bad input: what the test puts in its folder, how krivol-cli is run on
// it (a shell command line, so file names may hold any bytes) and what must
// come of it.
struct BadInput {
    const char* name;
    std::function<void(const QString& dir)> make;
    const char* command;  // run by sh in the folder; $CLI is krivol-cli
    int exitCode;
    const char* said;     // expected in stderr (or stdout when exitCode is 0 or 1 from check)
};

void writeBytes(const QString& path, const QByteArray& bytes) { ASSERT_TRUE(fixtures::writeFile(path, bytes)); }

void saveLevel(const QString& path, const LevelGrid& level) { level.save(path); }

QImage playablePicture() {
    QImage image = fixtures::mazePicture();
    image.setPixel(23, 26, fixtures::kWhite);
    return image;
}

// A 64-bit BMP header: the depth no reader here knows.
QByteArray bmp64() {
    QByteArray bytes = fixtures::bmpBytes(fixtures::mazePicture(), {.bits = 32});
    bytes[28] = 64;
    return bytes;
}

const BadInput kCases[] = {
    {"fifo level for check", [](const QString& d) { ASSERT_EQ(::mkfifo(qPrintable(d + "/L.BMP"), 0600), 0); },
     "$CLI check L.BMP", 2, "is a named pipe (FIFO), not a regular file"},
    {"fifo level for play", [](const QString& d) { ASSERT_EQ(::mkfifo(qPrintable(d + "/L.BMP"), 0600), 0); },
     "$CLI play L.BMP --seed 1 --ticks 5", 1, "named pipe (FIFO)"},
    {"device as level", [](const QString&) {}, "$CLI grid /dev/zero", 1, "is a device, not a regular file"},
    {"symlink loop", [](const QString& d) {
         ASSERT_EQ(::symlink("b.bmp", qPrintable(d + "/a.bmp")), 0);
         ASSERT_EQ(::symlink("a.bmp", qPrintable(d + "/b.bmp")), 0);
     },
     "$CLI check a.bmp", 2, "symbolic links that lead round in a loop"},
    {"dangling link", [](const QString& d) { ASSERT_EQ(::symlink("gone.bmp", qPrintable(d + "/a.bmp")), 0); },
     "$CLI check a.bmp", 2, "a symbolic link to a file that does not exist"},
    {"sparse 2 GiB level", [](const QString& d) {
         const int fd = ::open(qPrintable(d + "/big.bmp"), O_CREAT | O_WRONLY, 0600);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(::ftruncate(fd, 2LL << 30), 0);
         ::close(fd);
     },
     "$CLI check big.bmp", 2, "too large (2147483648 bytes)"},
    {"64-bit BMP", [](const QString& d) { writeBytes(d + "/deep.bmp", bmp64()); },
     "$CLI check deep.bmp", 2, "64-bit BMP colour depth is not supported"},
    {"huge PNG", [](const QString& d) {
         QImage huge(5000, 5000, QImage::Format_Mono);
         huge.fill(0);
         ASSERT_TRUE(huge.save(d + "/huge.png"));
     },
     "$CLI check huge.png", 2, "too large (5000 x 5000 pixels"},
    {"no pure white", [](const QString& d) {
         QImage offWhite = fixtures::mazePicture();
         for (int y = 0; y < 50; ++y)
             for (int x = 0; x < 50; ++x)
                 if (offWhite.pixel(x, y) == fixtures::kWhite) offWhite.setPixel(x, y, qRgb(254, 254, 254));
         ASSERT_TRUE(offWhite.save(d + "/grey.bmp"));
     },
     "$CLI check grey.bmp", 1, "only pure white (#FFFFFF) is corridor and pure black (#000000) is wall"},
    {"open border beyond 50 x 50", [](const QString& d) {
         QImage big(64, 64, QImage::Format_RGB32);
         big.fill(fixtures::kBlack);
         for (int y = 1; y < 63; ++y)
             for (int x = 1; x < 63; ++x) big.setPixel(x, y, fixtures::kWhite);
         ASSERT_TRUE(big.save(d + "/big.bmp"));
     },
     "$CLI check big.bmp", 1, "only the top-left 50 x 50 pixels of this 64 x 64 picture count"},
    {"start shut in", [](const QString& d) { saveLevel(d + "/shut.bmp", LevelGrid::openRoom().walls(20, 20, 30, 30)); },
     "$CLI check shut.bmp", 1, "no dot cell can be reached from the hero's start cell (column 24, row 27)"},
    {"shut-in start is not played", [](const QString& d) { saveLevel(d + "/shut.bmp", LevelGrid::openRoom().walls(20, 20, 30, 30)); },
     "$CLI play shut.bmp --seed 1 --ticks 20000", 1, "no dot cell can be reached"},
    {"sealed room only warns", [](const QString& d) { saveLevel(d + "/room.bmp", LevelGrid::openRoom().walls(2, 2, 12, 12).dots(5, 5, 8, 8)); },
     "$CLI check room.bmp", 0, "warning: 16 dot cells cannot be reached"},
    {"non-UTF-8 file name", [](const QString& d) {
         ASSERT_TRUE(playablePicture().save(d + "/plain.bmp"));
         ASSERT_EQ(::rename(qPrintable(d + "/plain.bmp"), (d.toLocal8Bit() + "/bad\xff\xfename.bmp").constData()), 0);
     },
     "$CLI check \"$(printf 'bad\\377\\376name.bmp')\"", 0, "bad\xff\xfename.bmp: playable"},
    {"grid to a full disk", [](const QString& d) { ASSERT_TRUE(playablePicture().save(d + "/l.bmp")); },
     "$CLI grid l.bmp > /dev/full", 1, "cannot write to standard output (No space left on device)"},
    {"check to a full disk", [](const QString& d) { ASSERT_TRUE(playablePicture().save(d + "/l.bmp")); },
     "$CLI check l.bmp > /dev/full", 1, "cannot write to standard output"},
    {"trace to a full disk", [](const QString& d) { saveLevel(d + "/l.bmp", LevelGrid::openRoom()); },
     "$CLI play l.bmp --seed 1 --ticks 50 --trace /dev/full", 1, "cannot write the trace to /dev/full"},
    {"trace on stdout to a full disk", [](const QString& d) { saveLevel(d + "/l.bmp", LevelGrid::openRoom()); },
     "$CLI play l.bmp --seed 1 --ticks 50 --trace - > /dev/full", 1, "cannot write to standard output"},
    {"endless keys file", [](const QString& d) { saveLevel(d + "/l.bmp", LevelGrid::openRoom()); },
     "$CLI play l.bmp --seed 1 --keys /dev/zero", 2, "line 1: longer than 4096 bytes"},
    {"huge bad keys line", [](const QString& d) {
         saveLevel(d + "/l.bmp", LevelGrid::openRoom());
         writeBytes(d + "/keys", "1 down 37\n" + QByteArray(4000, 'x') + "\n");
     },
     "$CLI play l.bmp --seed 1 --keys keys", 2, "(4000 bytes in all)"},
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

class BadInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, GiveOneClearLineAndTheRightExitCode) {
    const BadInput& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    c.make(dir.path());
    if (HasFatalFailure()) return;
    QProcess sh;
    sh.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CLI"), QStringLiteral(KRIVOL_BIN_DIR "/krivol-cli"));
    sh.setProcessEnvironment(env);
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(c.command)});
    // A guard against a hang, not a timing: "at once" is seconds at most.
    ASSERT_TRUE(sh.waitForFinished(60000)) << "krivol-cli hung";
    const QByteArray out = sh.readAllStandardOutput(), err = sh.readAllStandardError();
    EXPECT_EQ(sh.exitCode(), c.exitCode) << out.toStdString() << err.toStdString();
    const QByteArray& said = c.exitCode == 2 || err.size() ? err : out;
    EXPECT_TRUE(said.contains(c.said)) << "expected: " << c.said << "\nstdout: " << out.left(600).toStdString()
                                       << "\nstderr: " << err.left(600).toStdString();
    EXPECT_LE(err.count('\n'), 1) << err.left(600).toStdString();
    EXPECT_LT(err.size(), 400) << "a message must not echo whole inputs";
}

INSTANTIATE_TEST_SUITE_P(Cli, BadInputs, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

}  // namespace
}  // namespace krivol

// Both programs as a shell starts them: help, version, usage errors and a
// start without a display, each with its exit code and its lines.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "state/build_info.h"

namespace krivol {
namespace {

struct Start {
    const char* program;
    QStringList args;
    QStringList env;  // NAME=value added to an environment without any display
    int exitCode;
    QStringList outHas;  // lines or parts of them on stdout
    QString errLine;     // a whole line on stderr; empty: stderr stays empty
};

TEST(ProgramEntry, HelpVersionUsageErrorsAndNoDisplay) {
    const QString version = QLatin1String(build::kVersion);
    const QString noDisplay = QStringLiteral(
        "krivol: the game needs a graphical display (DISPLAY or WAYLAND_DISPLAY not set or not reachable)");
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("nowhere"));
    const Start starts[] = {
        {"krivol",
         {"--help"},
         {},
         0,
         {"-h, --help", "-v, --version", "--seed <N>", "--levels <DIR>", "--record <FILE>", "--replay <FILE>",
          "--lang <LANG>", "A (south)             \"1\" (shoot)   Старт           OK"},
         {}},
        {"krivol", {"--replay", "a", "--seed", "1"}, {}, 2, {}, "krivol: --replay takes its seed from the recording and records nothing"},
        {"krivol", {"--version"}, {}, 0, {"krivol " + version + "\n"}, {}},
        {"krivol", {}, {}, 1, {}, noDisplay},
        {"krivol", {}, {"DISPLAY=:9999"}, 1, {}, noDisplay},
        {"krivol", {}, {"QT_QPA_PLATFORM=xcb"}, 1, {}, noDisplay},
        {"krivol", {"--seed", "x"}, {}, 2, {}, "krivol: --seed takes a number from 0 to 4294967295"},
        {"krivol", {"--lang", "de"}, {}, 2, {}, "krivol: --lang takes ru or en"},
        {"krivol", {"--frob"}, {}, 2, {}, "krivol: Unknown option 'frob'."},
        {"krivol", {"--levels", notAFolder}, {"QT_QPA_PLATFORM=offscreen"}, 2, {},
         "krivol: --levels: " + notAFolder + " is not a folder"},
        {"krivol-cli", {"--version"}, {}, 0, {"krivol-cli " + version + "\n"}, {}},
        {"krivol-cli", {"--help"}, {}, 0, {"grid LEVEL", "check LEVEL", "play LEVEL", "-h, --help", "-v, --version"}, {}},
        {"krivol-cli", {"check", "--help"}, {}, 0, {"-h, --help", "--levels DIR", "LEVEL is a picture file"}, {}},
        {"krivol-cli",
         {"play", "--help"},
         {},
         0,
         {"-h, --help", "--seed N", "--keys FILE", "--ticks T", "--rounds R", "--trace FILE", "--frame PNG",
          "--levels DIR"},
         {}},
        {"krivol-cli", {"replay", "--help"}, {}, 0, {"--levels DIR", "--trace FILE", "--frame PNG", "--verify"}, {}},
    };
    for (const Start& start : starts) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QLatin1String(name));
        for (const QString& pair : start.env) env.insert(pair.section('=', 0, 0), pair.section('=', 1));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KRIVOL_BIN_DIR "/") + QLatin1String(start.program), start.args);
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        SCOPED_TRACE(QStringLiteral("%1 %2 [%3]\nstdout: %4\nstderr: %5")
                         .arg(QLatin1String(start.program), start.args.join(' '), start.env.join(' '), out, err)
                         .toStdString());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);  // no abort
        EXPECT_EQ(process.exitCode(), start.exitCode);
        for (const QString& part : start.outHas) EXPECT_TRUE(out.contains(part)) << part.toStdString();
        if (start.errLine.isEmpty()) {
            EXPECT_TRUE(err.isEmpty());
        } else {
            EXPECT_TRUE(err.contains(start.errLine + QLatin1Char('\n')));
        }
        if (start.exitCode == 1) {
            EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << "not one line alone";
        }
    }
}

// Each option of the help gets one line of its own.
TEST(ProgramEntry, HelpGivesEveryOptionOneLine) {
    for (const char* program : {"krivol", "krivol-cli"}) {
        QProcess process;
        process.start(QStringLiteral(KRIVOL_BIN_DIR "/") + QLatin1String(program), {QStringLiteral("--help")});
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QStringList lines = help.section(QStringLiteral("Options:\n"), 1).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (line.isEmpty()) break;
            EXPECT_TRUE(line.startsWith(QLatin1String("  -"))) << program << ": continued line \"" << line.toStdString() << '"';
            EXPECT_LE(line.size(), 80) << program << ": " << line.toStdString();
        }
    }
}

}  // namespace
}  // namespace krivol

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

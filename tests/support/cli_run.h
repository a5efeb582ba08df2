#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

namespace krivol::test {

// krivol-cli run as a user runs it. A run that hangs or crashes gives exit
// code -1 (the wait is a guard against hanging, not a timing).
struct CliRun {
    int exitCode = -1;
    QString out, err;
};

inline CliRun runCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KRIVOL_BIN_DIR "/krivol-cli"), args);
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace krivol::test

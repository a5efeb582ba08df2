#include "cli/cli_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/local_path.h"

namespace krivol {

namespace {

// The first error standard output met, for the one line that reports it:
// stdio forgets errno, and a failed buffer is gone by the final flush.
int& firstStdoutError() {
    static int error = 0;
    return error;
}

void write(std::FILE* stream, const QString& text) {
    // File names go out as the very bytes they came in as.
    const QByteArray bytes = pathToLocal(text);
    const size_t written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    const bool failed = written != static_cast<size_t>(bytes.size()) || std::fflush(stream) != 0;
    if (failed && stream == stdout && firstStdoutError() == 0) firstStdoutError() = errno ? errno : EIO;
}

}  // namespace

void printOut(const QString& text) { write(stdout, text); }
void printErr(const QString& text) { write(stderr, text); }

int checkedExit(int code) {
    errno = 0;
    const bool lost = std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!lost) return code;
    const int error = firstStdoutError() ? firstStdoutError() : errno;
    QString text = QStringLiteral("krivol-cli: cannot write to standard output");
    if (error != 0) text += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
    printErr(text + QLatin1Char('\n'));
    return kExitFailed;
}

QuietStderr::QuietStderr() {
    std::fflush(stderr);
    const int null = ::open("/dev/null", O_WRONLY);
    if (null < 0) return;
    saved_ = ::dup(STDERR_FILENO);
    if (saved_ >= 0) ::dup2(null, STDERR_FILENO);
    ::close(null);
}

QuietStderr::~QuietStderr() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

}  // namespace krivol

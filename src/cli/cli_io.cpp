#include "cli/cli_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace krivol {

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

void printOut(const QString& text) { write(stdout, text); }
void printErr(const QString& text) { write(stderr, text); }

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

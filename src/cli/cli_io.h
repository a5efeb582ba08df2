#pragma once
#include <QString>

namespace krivol {

// Exit codes shared by all commands.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void printOut(const QString& text);
void printErr(const QString& text);

// The exit code once standard output is flushed: `code` when everything
// printed reached it, otherwise kExitFailed after one line on stderr, so a
// full disk is never reported as success.
int checkedExit(int code);

// While alive, whatever libraries write to stderr goes nowhere: image
// decoders print their own complaints (libpng's "Read Error"), and the
// commands report every failure themselves, in one line.
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_ = -1;
};

}  // namespace krivol

#include "cli/trace_out.h"

#include <cstdio>

#include "files/regular_file.h"

namespace krivol {

bool TraceOut::open(const QString& path) {
    path_ = path;
    if (path.isEmpty() || toStdout()) return true;
    const FileProblem problem = openForWriting(path, file_);
    return !problem || fail(describe(problem));
}

bool TraceOut::write(const QByteArray& line) {
    // Standard output is checked, and its loss reported, on the way out.
    if (toStdout()) return std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout) ==
                               static_cast<size_t>(line.size()) && std::fputc('\n', stdout) != EOF;
    if (!file_.isOpen()) return error_.isEmpty();
    if (file_.write(line) == line.size() && file_.putChar('\n')) return true;
    return fail(file_.errorString());
}

bool TraceOut::finish() {
    if (!file_.isOpen()) return error_.isEmpty();
    if (!file_.flush()) return fail(file_.errorString());
    file_.close();
    return true;
}

bool TraceOut::fail(const QString& why) {
    error_ = QStringLiteral("cannot write the trace to %1 (%2)").arg(path_, why);
    file_.close();
    return false;
}

}  // namespace krivol

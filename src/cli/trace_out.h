#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

namespace krivol {

// Where the JSON lines of a headless game go: a file, standard output ("-")
// or nowhere (""). Every write is checked; after the first failure nothing
// more is written and error() says why. Standard output is left to the
// check on the way out (checkedExit), which reports its loss.
class TraceOut {
public:
    bool open(const QString& path);
    bool toStdout() const { return path_ == QLatin1String("-"); }
    bool write(const QByteArray& line);
    // Flushes what is buffered; false when it did not all arrive.
    bool finish();
    // "cannot write the trace to <where> (<why>)"
    QString error() const { return error_; }

private:
    bool fail(const QString& why);

    QString path_;
    QFile file_;
    QString error_;
};

}  // namespace krivol

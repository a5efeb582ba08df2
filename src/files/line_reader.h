#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace krivol {

// Reads text line by line, never holding more than one line of at most
// `maxLine` bytes, so an endless or newline-free source cannot eat memory.
class LineReader {
public:
    enum class Status { line, end, tooLong, failed };

    LineReader(QIODevice& device, qsizetype maxLine) : device_(device), maxLine_(maxLine) {}
    // The next line without its line break (a trailing '\r' dropped too).
    Status next(QByteArray& line);
    // 1-based number of the line last returned (or reached, after tooLong).
    qint64 lineNumber() const { return number_; }
    // Whether the line last returned ended with a line break: a last line
    // without one may have been cut off by a writer that died.
    bool lineWasEnded() const { return ended_; }

private:
    QIODevice& device_;
    qsizetype maxLine_;
    qint64 number_ = 0;
    bool ended_ = false;
};

// At most about 80 characters of a line for a message, marked when cut.
QString quoteLine(const QByteArray& line);

}  // namespace krivol

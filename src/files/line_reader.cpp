#include "files/line_reader.h"

#include <QFileDevice>

#include "files/local_path.h"

namespace krivol {

LineReader::Status LineReader::next(QByteArray& line) {
    line.resize(maxLine_ + 2);  // room for the line, its break and readLine's terminator
    const qint64 got = device_.readLine(line.data(), line.size());
    if (got <= 0) {
        line.clear();
        const auto* file = qobject_cast<const QFileDevice*>(&device_);
        return file && file->error() != QFileDevice::NoError ? Status::failed : Status::end;
    }
    line.truncate(got);
    ++number_;
    ended_ = line.endsWith('\n');
    if (!ended_ && line.size() > maxLine_) return Status::tooLong;
    if (ended_) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    return Status::line;
}

QString quoteLine(const QByteArray& line) {
    constexpr qsizetype kShown = 80;
    const QString text = pathFromLocal(line);
    if (text.size() <= kShown) return QLatin1Char('"') + text + QLatin1Char('"');
    qsizetype cut = kShown - 3;
    if (text[cut - 1].isHighSurrogate()) --cut;
    return QStringLiteral("\"%1...\" (%2 bytes in all)").arg(text.left(cut)).arg(line.size());
}

}  // namespace krivol

#include "cli/key_script.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "files/line_reader.h"
#include "files/regular_file.h"

namespace krivol {

namespace {

// A key line is a few dozen bytes; the bounds only keep a hostile or wrong
// file (a device, a picture, an endless pipe) from eating memory.
constexpr qsizetype kMaxLine = 4096;
constexpr qint64 kMaxEvents = 4'000'000;  // about eleven hours of two keys a tick

bool parseLine(const QString& line, KeyEvent& event) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d+)\s+(down|up)\s+(\d+)\s*$)"));
    const QRegularExpressionMatch m = pattern.match(line);
    if (!m.hasMatch()) return false;
    bool tickOk = false, codeOk = false;
    event.tick = m.captured(1).toLongLong(&tickOk);
    const int code = m.captured(3).toInt(&codeOk);
    if (!tickOk || !codeOk || event.tick < 1 || code > 255) return false;
    event.down = m.captured(2) == QLatin1String("down");
    event.code = static_cast<Integer>(code);
    return true;
}

KeyScript failed(const QString& error) {
    KeyScript script;
    script.error = error;
    return script;
}

}  // namespace

KeyScript readKeyScript(QIODevice& device) {
    KeyScript script;
    LineReader lines(device, kMaxLine);
    QByteArray raw;
    for (LineReader::Status status; (status = lines.next(raw)) != LineReader::Status::end;) {
        const qint64 at = lines.lineNumber();
        if (status == LineReader::Status::tooLong)
            return failed(QStringLiteral("keys file line %1: longer than %2 bytes").arg(at).arg(kMaxLine));
        if (status == LineReader::Status::failed)
            return failed(QStringLiteral("keys file line %1: cannot be read (%2)").arg(at).arg(device.errorString()));
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        KeyEvent event;
        if (!parseLine(line, event)) {
            return failed(QStringLiteral("keys file line %1: expected \"T down CODE\" or \"T up CODE\", got %2")
                              .arg(at)
                              .arg(quoteLine(raw.trimmed())));
        }
        if (static_cast<qint64>(script.events.size()) == kMaxEvents)
            return failed(QStringLiteral("keys file line %1: more than %2 key events").arg(at).arg(kMaxEvents));
        script.events.push_back(event);
    }
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.tick < b.tick; });
    return script;
}

KeyScript parseKeyScript(const QString& text) {
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readKeyScript(buffer);
}

KeyScript readKeyScript(const QString& path) {
    QFile file;
    if (const FileProblem problem = openForReading(path, file))
        return failed(QStringLiteral("%1: cannot read the keys file (%2)").arg(path, describe(problem)));
    KeyScript script = readKeyScript(file);
    if (!script.error.isEmpty()) script.error = path + QStringLiteral(": ") + script.error;
    return script;
}

}  // namespace krivol

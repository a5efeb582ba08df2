#include "cli/key_script.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace krivol {

namespace {

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

}  // namespace

KeyScript parseKeyScript(const QString& text) {
    KeyScript script;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        KeyEvent event;
        if (!parseLine(line, event)) {
            script.error = QStringLiteral("keys file line %1: expected \"T down CODE\" or \"T up CODE\", got \"%2\"")
                               .arg(i + 1)
                               .arg(line);
            script.events.clear();
            return script;
        }
        script.events.push_back(event);
    }
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.tick < b.tick; });
    return script;
}

KeyScript readKeyScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        KeyScript script;
        script.error = QStringLiteral("%1: cannot read the keys file (%2)").arg(path, file.errorString());
        return script;
    }
    return parseKeyScript(QString::fromUtf8(file.readAll()));
}

}  // namespace krivol

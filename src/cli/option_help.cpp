#include "cli/option_help.h"

#include <QStringList>
#include <algorithm>

namespace krivol {

namespace {

QString optionNames(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) text += QLatin1Char(' ') + option.valueName();
    return text;
}

}  // namespace

QString optionHelp(const QList<QCommandLineOption>& options) {
    qsizetype width = 0;
    for (const QCommandLineOption& option : options) width = std::max(width, optionNames(option).size());
    QString text = QStringLiteral("Options:\n");
    for (const QCommandLineOption& option : options)
        text += QStringLiteral("  %1  %2\n").arg(optionNames(option).leftJustified(width), option.description());
    return text;
}

QCommandLineOption helpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
}

}  // namespace krivol

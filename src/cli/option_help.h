#pragma once
#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace krivol {

// "Options:" and one line per option, descriptions lined up:
//   -h, --help    Show this help and exit.
//   --seed N      ...
QString optionHelp(const QList<QCommandLineOption>& options);

// The help option every command and the tool itself accept.
QCommandLineOption helpOption();

}  // namespace krivol

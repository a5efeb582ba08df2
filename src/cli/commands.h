#pragma once
#include <QStringList>

namespace krivol {

// Each command gets its own word first and its arguments after it, the way
// QCommandLineParser::parse expects a program's arguments. The result is the
// process exit code.
int runGrid(const QStringList& args);
int runCheck(const QStringList& args);
int runPlay(const QStringList& args);
int runReplay(const QStringList& args);

}  // namespace krivol

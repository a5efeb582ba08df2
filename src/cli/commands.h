#pragma once
#include <QStringList>

#include "state/data_folders.h"

namespace krivol {

// Each command gets its own word first and its arguments after it, the way
// QCommandLineParser::parse expects a program's arguments; `folders` are
// where a level given by number is looked for. The result is the process
// exit code.
int runGrid(const QStringList& args, const DataFolders& folders);
int runCheck(const QStringList& args, const DataFolders& folders);
int runPlay(const QStringList& args, const DataFolders& folders);
int runReplay(const QStringList& args, const DataFolders& folders);
int runGenerate(const QStringList& args, const DataFolders& folders);

}  // namespace krivol

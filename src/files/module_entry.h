#pragma once
#include <QFunctionPointer>
#include <QString>

namespace krivol {

// The game keeps what only some runs need (the window's sound, the headless
// tool's videos) in modules of its own, so that starting does not load their
// libraries. A module NAME.so is looked for beside the program, then in the
// folder where the install rules put the modules.
//
// The entry point `symbol` of the first place of the module that loads; null,
// with `why` set to a few words, when there is none.
QFunctionPointer moduleEntry(const QString& programFolder, const QString& name, const char* symbol, QString& why);

}  // namespace krivol

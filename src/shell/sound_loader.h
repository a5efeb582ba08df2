#pragma once
#include <QString>
#include <memory>

#include "round/ports.h"
#include "state/data_folders.h"

namespace krivol {

// The game's sounds from the sound module, looked for beside the program in
// `programFolder` and then where the install rules put it. Without the module
// the game is silent and says so once on standard error.
std::unique_ptr<SoundPort> loadSound(const QString& programFolder, const DataFolders& folders);

// Where the module is looked for, in order, for a program in `programFolder`.
QStringList soundModulePaths(const QString& programFolder);

}  // namespace krivol

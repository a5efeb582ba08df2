#pragma once
#include <QString>
#include <memory>

#include "round/ports.h"
#include "state/data_folders.h"

namespace krivol {

// The game's sounds from the sound module (krivol-sound.so) of the program in
// `programFolder`. Without the module the game is silent and says so once on
// standard error.
std::unique_ptr<SoundPort> loadSound(const QString& programFolder, const DataFolders& folders);

}  // namespace krivol

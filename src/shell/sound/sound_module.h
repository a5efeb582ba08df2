#pragma once
#include <memory>

#include "round/ports.h"
#include "state/data_folders.h"

namespace krivol {

// The sound of the window lives in a module of its own (krivol-sound.so), so
// the window starts without Qt Multimedia and the sound server's libraries and
// loads them once it has shown its first frame. This is its one entry point.
using OpenSound = void (*)(const DataFolders& folders, std::unique_ptr<SoundPort>& into);
inline constexpr char kOpenSoundSymbol[] = "krivolOpenSound";

}  // namespace krivol

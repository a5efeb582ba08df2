#pragma once
#include <QString>

#include "render/level_preview.h"
#include "round/game.h"
#include "state/data_folders.h"

namespace krivol {

// The fixed defaults (SP, UGAME, level 1) and the legend drawn.
void startDefaults(Game& g);
// Start-up without the window: the defaults, and level 1 chosen and
// previewed. Returns what was read of level 1.
LevelReading startUp(Game& g, const DataFolders& folders);

// A level option: chooses level `index` and previews it; the running round
// keeps its grid. Returns what was read, so the player learns at once why a
// level cannot be played.
LevelReading chooseLevel(Game& g, const DataFolders& folders, Integer index);

// The four item tiles of the legend into Pic_inf.
void drawLegend(Surfaces& pics, int SP);

}  // namespace krivol

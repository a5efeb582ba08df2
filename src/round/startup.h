#pragma once
#include <QString>

#include "round/game.h"

namespace krivol {

// Start-up without the window: the fixed defaults, level 1 chosen and
// previewed, the legend drawn. Returns why the preview is black, or "".
QString startUp(Game& g, const QString& folder);

// A level option: chooses level `index` and previews it; the running round
// keeps its grid. Returns why the preview is black, or "".
QString chooseLevel(Game& g, const QString& folder, Integer index);

// The four item tiles of the legend into Pic_inf.
void drawLegend(Surfaces& pics, int SP);

}  // namespace krivol

#pragma once
#include <QString>

namespace krivol {

// The texts of the two boxes that end a round, for the window and for videos.
QString victoryText();
QString defeatText();

}  // namespace krivol

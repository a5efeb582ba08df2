#pragma once
#include <QString>
#include <QStringList>

#include "render/level_preview.h"

namespace krivol {

// Why a level cannot be played, in the window's Russian: the whole reason
// (for the box and the tooltip), and a word or two for the line under the
// preview. Both empty for a playable level.
QString russianReason(const LevelReading& level);
QString shortRussianReason(const LevelReading& level);
// What a designer should know even of a playable level, in Russian.
QStringList russianNotes(const LevelCheck& check);
// Why a file could not be had, in Russian.
QString russianFileReason(const FileProblem& problem);

}  // namespace krivol

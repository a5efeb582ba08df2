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
// The same of a check alone, and of a picture alone (empty when it was read).
QString russianReason(const LevelCheck& check);
QString russianReason(const LevelPicture& picture);
// What a designer should know even of a playable level, in Russian.
QStringList russianNotes(const LevelCheck& check);
// Why a file could not be read, or written, in Russian.
enum class FileUse { read, write };
QString russianFileReason(const FileProblem& problem, FileUse use = FileUse::read);

}  // namespace krivol

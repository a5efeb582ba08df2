#pragma once
#include <QString>
#include <QStringList>

#include "render/level_preview.h"

namespace krivol {

// Why a level cannot be played, in the window's language: the whole reason
// (for the box and the tooltip), and a word or two for the line under the
// preview. Both empty for a playable level.
QString levelReason(const LevelReading& level);
QString shortLevelReason(const LevelReading& level);
// The same of a check alone, and of a picture alone (empty when it was read).
QString levelReason(const LevelCheck& check);
QString levelReason(const LevelPicture& picture);
// What a designer should know even of a playable level.
QStringList levelNotes(const LevelCheck& check);
// Why a file could not be read, or written.
enum class FileUse { read, write };
QString fileReason(const FileProblem& problem, FileUse use = FileUse::read);

}  // namespace krivol

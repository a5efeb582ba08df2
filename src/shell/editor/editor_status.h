#pragma once
#include <QString>

#include "editor/level_draft.h"

namespace krivol {

// What the check says of the draft, in Russian, as rich text for the
// editor's side panel: the verdict and its reason, the dots that count, the
// marks on the canvas explained.
QString checkPanelText(const LevelDraft& draft);
// "столбец 24, строка 27" and what lies there.
QString cursorText(const LevelDraft& draft, QPoint cell);

}  // namespace krivol

#pragma once
#include <Qt>

#include "state/types.h"

namespace krivol {

// The virtual key code the game's key handlers expect for a Qt key, or 0 for
// a key that has none here (the tick loop ignores it like any other key).
Integer virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace krivol

#pragma once
#include <QString>

#include "shell/gamepad/pad_source.h"
#include "state/types.h"

namespace krivol {

// Where the window is, for a pad: a round running, none, an end box open, or
// a recording playing (where a pad, like the keyboard, does nothing).
enum class PadMode { round, idle, endBox, replay };

// What pressing a button does. A key is held while the button is and goes
// the way a typed key goes; a level step chooses the level above or below as
// a click on its option does.
struct PadAction {
    enum class Kind { none, key, levelStep, start, closeBox };
    Kind kind = Kind::none;
    Integer code = 0;  // key: its virtual key code; levelStep: -1 up, +1 down
    bool operator==(const PadAction&) const = default;
};

PadAction padAction(PadButton button, PadMode mode);

// The buttons as `krivol --help` lists them.
QString padHelp();

}  // namespace krivol

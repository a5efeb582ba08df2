#pragma once
#include <array>
#include <map>
#include <vector>

#include "shell/gamepad/pad_source.h"

namespace krivol {

// What all the pads together hold. A button counts as held while any pad
// holds it, by its D-pad or its left stick for a direction, so two pads (or
// one seen twice, as a launcher's virtual pad shows a handheld's own) never
// press anything twice, and a pad unplugged lets go of what it held.
class PadHeld {
public:
    struct Change {
        PadButton button;
        bool down;
    };
    // The buttons that went down or up, all pads together, by this event.
    std::vector<Change> apply(const PadEvent& event);
    bool held(PadButton button) const;

private:
    struct Pad {
        std::array<bool, kPadButtons> buttons{};
        int x = 0, y = 0;  // the left stick
    };
    std::array<bool, kPadButtons> together() const;

    std::map<int, Pad> pads_;
};

// The direction the left stick points, if pushed beyond half its travel: the
// axis pushed further wins. False for a stick within the dead zone.
bool stickDirection(int x, int y, PadButton& direction);

}  // namespace krivol

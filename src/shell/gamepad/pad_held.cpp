#include "shell/gamepad/pad_held.h"

#include <cstdlib>

namespace krivol {

namespace {

constexpr int kDeadZone = 16384;  // half of the stick's travel

size_t at(PadButton b) { return static_cast<size_t>(b); }

}  // namespace

bool stickDirection(int x, int y, PadButton& direction) {
    const int ax = std::abs(x), ay = std::abs(y);
    if (ax < kDeadZone && ay < kDeadZone) return false;
    if (ax >= ay) direction = x < 0 ? PadButton::left : PadButton::right;
    else direction = y < 0 ? PadButton::up : PadButton::down;
    return true;
}

std::vector<PadHeld::Change> PadHeld::apply(const PadEvent& event) {
    const std::array<bool, kPadButtons> before = together();
    switch (event.kind) {
    case PadEvent::Kind::added: pads_[event.pad]; break;
    case PadEvent::Kind::removed: pads_.erase(event.pad); break;
    case PadEvent::Kind::pressed:
    case PadEvent::Kind::released:
        pads_[event.pad].buttons[at(event.button)] = event.kind == PadEvent::Kind::pressed;
        break;
    case PadEvent::Kind::stickX: pads_[event.pad].x = event.value; break;
    case PadEvent::Kind::stickY: pads_[event.pad].y = event.value; break;
    }
    const std::array<bool, kPadButtons> after = together();
    std::vector<Change> changes;
    // Releases first: a stick swung from left to up lets go of left before
    // up is pressed, so up is the key held last.
    for (bool down : {false, true}) {
        for (size_t i = 0; i < after.size(); ++i)
            if (after[i] != before[i] && after[i] == down) changes.push_back({static_cast<PadButton>(i), down});
    }
    return changes;
}

bool PadHeld::held(PadButton button) const { return together()[at(button)]; }

std::array<bool, kPadButtons> PadHeld::together() const {
    std::array<bool, kPadButtons> all{};
    for (const auto& [id, pad] : pads_) {
        for (size_t i = 0; i < all.size(); ++i) all[i] = all[i] || pad.buttons[i];
        PadButton direction;
        if (stickDirection(pad.x, pad.y, direction)) all[at(direction)] = true;
    }
    return all;
}

}  // namespace krivol

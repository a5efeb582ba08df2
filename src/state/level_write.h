#pragma once
#include <QByteArray>
#include <QRgb>

#include "state/field.h"

namespace krivol {

// The colour a saved level gives empty floor: any colour but pure black and
// pure white reads as floor, and one fixed grey keeps saved files alike.
constexpr QRgb kSavedFloorColour = 0xFF808080u;

// A level as a 50 x 50, 24-bit, uncompressed, bottom-up BMP, the way the
// shipped levels are written: walls black, dots white, everything else
// kSavedFloorColour. The game's reader gives back exactly this grid.
QByteArray levelBmpBytes(const Field& FLD);

}  // namespace krivol

#pragma once
#include <QByteArray>
#include <QImage>

#include <array>

namespace krivol::assets {

// The sizes desktops ask for. Each gets the largest whole-number enlargement
// of the 12 x 12 hero that fits, centred with transparent padding, so every
// sprite pixel stays a sharp square.
inline constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

// The hero sprite (PicM) cut out by its mask (PicMM): opaque inside the
// outline, transparent outside. ARGB32, 12 x 12.
QImage heroCutOut();

// heroCutOut() enlarged onto a transparent size x size square.
QImage heroIcon(int size);

// The same cut-out as SVG: one square per sprite pixel, runs merged.
QByteArray heroIconSvg();

}  // namespace krivol::assets

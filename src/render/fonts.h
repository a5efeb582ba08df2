#pragma once
#include <QFont>

namespace krivol {

// Fonts of the window, for the window and for pictures of it. Sizes are in
// pixels because the whole layout is in pixels; the faces fall back to DejaVu
// Sans where MS Sans Serif is missing.
QFont captionFont();  // the window's default text
QFont headingFont();  // the "Очки" heading
QFont counterFont();  // the score and shots boxes

}  // namespace krivol

#pragma once
#include <QColor>
#include <QFont>

class QWidget;

namespace krivol {

// Fonts of the window. Sizes are in pixels because the whole layout is in
// pixels; the faces fall back to DejaVu Sans where MS Sans Serif is missing.
QFont captionFont();  // the window's default text
QFont headingFont();  // the "Очки" heading
QFont counterFont();  // the score and shots boxes

void setTextColour(QWidget& w, const QColor& colour);
void setBackgroundColour(QWidget& w, const QColor& colour);

}  // namespace krivol

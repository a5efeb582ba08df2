#pragma once
#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;

namespace krivol {

// Fonts of the window. Sizes are in pixels because the whole layout is in
// pixels; the faces fall back to DejaVu Sans where MS Sans Serif is missing.
QFont captionFont();  // the window's default text
QFont headingFont();  // the "Очки" heading
QFont counterFont();  // the score and shots boxes

// The hero at every icon size, the same pictures the desktop icons are made of.
QIcon gameIcon();

void setTextColour(QWidget& w, const QColor& colour);
void setBackgroundColour(QWidget& w, const QColor& colour);

}  // namespace krivol

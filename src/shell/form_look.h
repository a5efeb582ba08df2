#pragma once
#include <QColor>
#include <QIcon>

#include "render/fonts.h"

class QWidget;

namespace krivol {

// The hero at every icon size, the same pictures the desktop icons are made of.
QIcon gameIcon();

void setTextColour(QWidget& w, const QColor& colour);
void setBackgroundColour(QWidget& w, const QColor& colour);

}  // namespace krivol

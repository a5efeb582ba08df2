#pragma once
#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

namespace krivol {

// The score and the shots left as the window shows them: a caption above a
// sunken box of big digits. The window's labels and the bar under a video's
// field are both made from it.
struct CounterLook {
    QString caption;
    QFont captionFont;
    QSize box;
    QColor paper;  // the box's background
    bool ownPaper;  // false: the window's face, which the window leaves to its style
    QColor ink;
    Qt::Alignment align;  // of the digits across the box
};
CounterLook scoreLook();
CounterLook shotsLook();

// A one-pixel frame: `dark` at the top and left, `light` at the bottom and right.
void drawBevel(QPainter& p, const QRect& r, const QColor& dark, const QColor& light);
// The box of `look` at `box` with `text`, as the window's label draws it.
void drawCounter(QPainter& p, const QRect& box, const CounterLook& look, const QString& text);

}  // namespace krivol

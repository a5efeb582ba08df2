#include "shell/frame_box.h"

#include <QPainter>

namespace krivol {

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int lineY = fm.height() / 2;
    const QRect edge = rect().adjusted(0, lineY, -2, -2);
    // Etched: a shadow line with a light line one pixel below and right.
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(edge.translated(1, 1));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(edge);
    if (title().isEmpty()) return;
    const QRect caption(8, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace krivol

#include "render/counter_look.h"

#include <QCoreApplication>
#include <QPainter>

#include "render/fonts.h"
#include "render/surfaces.h"

namespace krivol {

CounterLook scoreLook() {
    return {QCoreApplication::translate("Form1", "Очки"), headingFont(), QSize(89, 26), Qt::white, true,
            QColor(192, 0, 192), Qt::AlignHCenter};
}

CounterLook shotsLook() {
    return {QCoreApplication::translate("Form1", "Патронов"), captionFont(), QSize(67, 26), QColor(kButtonFace),
            false, Qt::black, Qt::AlignRight};
}

void drawBevel(QPainter& p, const QRect& r, const QColor& dark, const QColor& light) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), dark);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), dark);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
}

void drawCounter(QPainter& p, const QRect& box, const CounterLook& look, const QString& text) {
    p.fillRect(box, look.paper);
    drawBevel(p, box, QColor(0xA0, 0xA0, 0xA0), Qt::white);
    p.setPen(look.ink);
    p.setFont(counterFont());
    p.drawText(box.adjusted(3, 1, -3, -1), look.align | Qt::AlignVCenter, text);
}

}  // namespace krivol

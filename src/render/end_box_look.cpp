#include "render/end_box_look.h"

#include <QPainter>

#include "render/counter_look.h"
#include "render/fonts.h"
#include "render/surfaces.h"

namespace krivol {

QString endBoxTitle() { return QStringLiteral("krivol"); }
QString endBoxButton() { return QStringLiteral("OK"); }

QImage withEndBox(const QImage& picture, QPoint centre, const QString& text) {
    QImage boxed = picture.copy();
    QPainter p(&boxed);
    const QRect box(centre.x() - 110, centre.y() - 60, 220, 120);
    p.fillRect(box, QColor(kButtonFace));
    drawBevel(p, box, Qt::white, QColor(0x40, 0x40, 0x40));
    const QRect title(box.left() + 2, box.top() + 2, box.width() - 4, 18);
    p.fillRect(title, QColor(0, 0, 128));
    p.setPen(Qt::white);
    QFont titleFont = captionFont();
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.drawText(title.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, endBoxTitle());
    p.setPen(Qt::black);
    p.setFont(captionFont());
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    p.drawText(box.adjusted(8, 24, -8, -34), Qt::AlignCenter, shown);
    const QRect ok(box.center().x() - 37, box.bottom() - 30, 75, 23);
    drawBevel(p, ok, Qt::white, QColor(0x40, 0x40, 0x40));
    p.drawText(ok, Qt::AlignCenter, endBoxButton());
    return boxed;
}

}  // namespace krivol

#include "shell/form_look.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "assets/icon.h"

namespace krivol {

QIcon gameIcon() {
    QIcon icon;
    for (const int size : assets::kIconSizes) icon.addPixmap(QPixmap::fromImage(assets::heroIcon(size)));
    return icon;
}

void setTextColour(QWidget& w, const QColor& colour) {
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, colour);
    w.setPalette(p);
}

void setBackgroundColour(QWidget& w, const QColor& colour) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, colour);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

}  // namespace krivol

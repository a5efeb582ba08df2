#include "shell/form_look.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "assets/icon.h"

namespace krivol {

namespace {

QFont sans(int pixels, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    // DejaVu runs wider than MS Sans Serif; a slightly narrowed face keeps
    // "Курсор - движение" on its one line in 97 pixels.
    f.setStretch(90);
    return f;
}

}  // namespace

QIcon gameIcon() {
    QIcon icon;
    for (const int size : assets::kIconSizes) icon.addPixmap(QPixmap::fromImage(assets::heroIcon(size)));
    return icon;
}

QFont captionFont() { return sans(10, false); }
QFont headingFont() { return sans(13, true); }
QFont counterFont() { return sans(16, true); }

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

#include "render/fonts.h"

#include <QStringList>

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

QFont captionFont() { return sans(10, false); }
QFont headingFont() { return sans(13, true); }
QFont counterFont() { return sans(16, true); }

}  // namespace krivol

#include "round/end_texts.h"

#include <QCoreApplication>

namespace krivol {

QString victoryText() { return QCoreApplication::translate("Form1", "П О Б Е Д А ! ! !"); }

// CR LF line breaks as the game always wrote them; Qt's label shows them as
// plain line breaks, the same as "\n".
QString defeatText() { return QCoreApplication::translate("Form1", "Вы проиграли !!!\r\n\r\nПопробуйте снова!"); }

}  // namespace krivol

#include "round/end_texts.h"

namespace krivol {

QString victoryText() { return QStringLiteral("П О Б Е Д А ! ! !"); }

// CR LF line breaks as the game always wrote them; Qt's label shows them as
// plain line breaks, the same as "\n".
QString defeatText() { return QStringLiteral("Вы проиграли !!!\r\n\r\nПопробуйте снова!"); }

}  // namespace krivol

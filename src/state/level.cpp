#include "state/level.h"

namespace krivol {

QString levelPath(const QString& folder, int N_KRI) {
    return folder + QStringLiteral("/KRIVOL") +
           QStringLiteral("%1").arg(N_KRI, 2, 10, QLatin1Char('0')) + QStringLiteral(".BMP");
}

}  // namespace krivol

#include "state/level.h"

namespace krivol {

QString levelFileName(int N_KRI) {
    return QStringLiteral("KRIVOL") + QStringLiteral("%1").arg(N_KRI, 2, 10, QLatin1Char('0')) + QStringLiteral(".BMP");
}

QString levelPath(const QString& folder, int N_KRI) { return folder + QLatin1Char('/') + levelFileName(N_KRI); }

}  // namespace krivol

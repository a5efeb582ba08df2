#include "shell/screen_scale.h"

#include <QGuiApplication>

namespace krivol {

void roundScreenScale() {
    const bool userScale =
        !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") || !qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(userScale ? Qt::HighDpiScaleFactorRoundingPolicy::PassThrough
                                                                   : Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

}  // namespace krivol

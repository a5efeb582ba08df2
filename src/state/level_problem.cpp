#include "state/level_problem.h"

namespace krivol {

QString describe(const LevelProblem& p) {
    switch (p.fault) {
    case LevelFault::none: return {};
    case LevelFault::file: return describe(p.file);
    case LevelFault::empty: return QStringLiteral("the file is empty");
    case LevelFault::bmpHeaderCutShort: return QStringLiteral("the BMP header is cut short");
    case LevelFault::bmpNoPixelData:
        return QStringLiteral("the file ends before its pixel data starts (at byte %1 of %2)").arg(p.a).arg(p.b);
    case LevelFault::bmpDataCutShort:
        return QStringLiteral("the pixel data is cut short (%1 of %2 bytes present)").arg(p.a).arg(p.b);
    case LevelFault::bmpRleCutShort: return QStringLiteral("the compressed pixel data is cut short");
    case LevelFault::bmpDepth:
        return QStringLiteral("%1-bit BMP colour depth is not supported (save it with 24 bits)").arg(p.a);
    case LevelFault::tooManyPixels:
        return QStringLiteral("the picture is too large (%1 x %2 pixels; a level is 50 x 50)").arg(p.a).arg(p.b);
    case LevelFault::notAPicture: return QStringLiteral("cannot be read as a picture (%1)").arg(p.detail);
    case LevelFault::outOfMemory: return QStringLiteral("the picture is too large to hold in memory");
    }
    return {};
}

}  // namespace krivol

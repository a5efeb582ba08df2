#pragma once

namespace krivol {

// Game pixels are drawn as whole squares only at a whole device pixel ratio,
// so a desktop's 125 %, 150 % or 175 % is rounded to the nearest whole scale.
// A scale the user gives Qt himself (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS)
// is left as it is. Call before the application object exists.
void roundScreenScale();

}  // namespace krivol

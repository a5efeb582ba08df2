#pragma once
#include <functional>

class QObject;
class QWidget;

namespace krivol {

// Runs `then` once, just after `window` has painted its first frame: work the
// first frame does not need waits for it, so the window shows sooner. Nothing
// runs once `owner` is gone.
void afterFirstPaint(QWidget& window, QObject& owner, std::function<void()> then);

}  // namespace krivol

#include "shell/key_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "round/keys.h"
#include "round/round.h"
#include "shell/game_watcher.h"
#include "shell/key_codes.h"

namespace krivol {

namespace {

// Keys the game steers with; while a round runs no control may act on them
// too (a focused option button would change the level on an arrow).
bool isGameKey(Integer code) {
    return (code >= key::kLeft && code <= key::kDown) || code == key::kFire || code == key::kKeypad1;
}

}  // namespace

KeyFilter::KeyFilter(GameState& s, const Round& round, GameWatcher& watcher)
    : s_(s), round_(round), watcher_(watcher) {
    QCoreApplication::instance()->installEventFilter(this);
}

KeyFilter::~KeyFilter() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return QObject::eventFilter(watched, event);
    const auto* k = static_cast<const QKeyEvent*>(event);
    const Integer code = virtualKeyCode(k->key(), k->modifiers());
    // A held key repeats as release+press pairs: the presses only repeat the
    // same assignment, the releases would end the hold between them.
    if (type == QEvent::KeyPress) handle(true, code);
    else if (!k->isAutoRepeat()) handle(false, code);
    // Qt passes one key through several receivers (window, focus widget,
    // its parents); the handlers above are idempotent, so that is harmless.
    return round_.running() && isGameKey(code);
}

void KeyFilter::handle(bool down, Integer code) {
    if (ignored_) return;
    const Integer KK = s_.KK, KKU = s_.KKU;
    if (down) keyDown(s_, code);
    else keyUp(s_, code);
    if (s_.KK != KK || s_.KKU != KKU) watcher_.keyHandled(down, code);
}

}  // namespace krivol

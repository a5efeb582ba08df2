#pragma once
#include <QObject>

#include "state/types.h"

namespace krivol {

class GameWatcher;
class Round;
struct GameState;

// Key preview: sees every key of the application before any control does and
// hands it to the game's key handlers (KK / KKU).
class KeyFilter : public QObject {
public:
    KeyFilter(GameState& s, const Round& round, GameWatcher& watcher);
    ~KeyFilter() override;
    KeyFilter(const KeyFilter&) = delete;
    KeyFilter& operator=(const KeyFilter&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override;
    // While a recording plays, the keyboard steers nothing.
    void setIgnored(bool ignored) { ignored_ = ignored; }
    bool ignored() const { return ignored_; }
    // A key pressed or released, as the game's handlers take it (also a pad's).
    void handle(bool down, Integer code);

private:

    GameState& s_;
    const Round& round_;
    GameWatcher& watcher_;
    bool ignored_ = false;
};

}  // namespace krivol

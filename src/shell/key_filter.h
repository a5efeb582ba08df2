#pragma once
#include <QObject>

namespace krivol {

class Round;
struct GameState;

// Key preview: sees every key of the application before any control does and
// hands it to the game's key handlers (KK / KKU).
class KeyFilter : public QObject {
public:
    KeyFilter(GameState& s, const Round& round);
    ~KeyFilter() override;
    KeyFilter(const KeyFilter&) = delete;
    KeyFilter& operator=(const KeyFilter&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GameState& s_;
    const Round& round_;
};

}  // namespace krivol

#pragma once
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "round/keys.h"
#include "round/session.h"
#include "support/invariants.h"
#include "support/level_grid.h"

namespace krivol::test {

// A round on a level made by the test, with a seed, driven tick by tick.
// Every tick is followed by the invariant check.
class Scenario {
public:
    Scenario(const LevelGrid& level, std::uint32_t seed);

    GameState& s() { return session_.s; }
    Session& session() { return session_; }
    Round& round() { return session_.round; }
    QStringList& sounds() { return session_.sound.requests; }

    void start();  // the start button; fails the test when refused
    RoundEnd tick();
    RoundEnd ticks(int n);  // stops early at a round's end
    void press(Integer code) { keyDown(session_.s, code); }
    void release(Integer code) { keyUp(session_.s, code); }

    // Removes every ghost and keeps spawns away, for hero-only scenarios.
    void noGhosts();
    // Puts a living, standing ghost in slot n at the centre of cell (x, y).
    void placeGhost(int n, int x, int y, Integer dx = 0, Integer dy = 0);
    // Puts the hero at the centre of cell (x, y).
    void placeHero(int x, int y);
    // Changes a cell and its picture in the back buffer, as the game would.
    void setCell(int x, int y, Integer code);

private:
    QTemporaryDir dir_;
    Session session_;
};

}  // namespace krivol::test

#pragma once
#include "render/surfaces.h"
#include "round/ports.h"
#include "state/game_state.h"
#include "state/rnd.h"

namespace krivol {

// What every round procedure works on: the shared state, the picture boxes,
// the one random sequence and the ways out to the window.
struct Game {
    GameState& s;
    Surfaces& pics;
    Rnd& rnd;
    Ports ports;
};

// Cell of a pixel coordinate: Int(p / SP) + 1, rounding down also below 0.
inline int cellOf(int p, int SP) { return (p >= 0 ? p / SP : (p - SP + 1) / SP) + 1; }
// Centre line of the cell that holds pixel p.
inline int centreLine(int p, int SP) { return (cellOf(p, SP) - 1) * SP + SP / 2; }
// Centre pixel of cell c.
inline int cellCentre(int c, int SP) { return SP * c - SP / 2; }
// A random cell coordinate floor(r * span + 2).
inline Integer randomCell(Rnd& rnd, int span, int base = 2) {
    return static_cast<Integer>(static_cast<double>(rnd.next()) * span + base);
}

}  // namespace krivol

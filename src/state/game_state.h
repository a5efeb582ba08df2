#pragma once
#include <QString>
#include <array>

#include "state/field.h"

namespace krivol {

constexpr int kGhostSlots = 50;  // GHOST(0 To 50, 0 To 19); slot 0 unused
constexpr int kGhostRows = 20;

// Rows of a ghost slot.
namespace ghost {
constexpr int kState = 0, kCellX = 1, kCellY = 2, kPixX = 3, kPixY = 4, kDx = 5, kDy = 6,
              kShield = 7, kHold = 10;
constexpr Integer kAlive = 100, kDead = 0;
}  // namespace ghost

using GhostSlot = std::array<Integer, kGhostRows>;

// Every variable the game shares. Everything starts at zero; start-up and the
// round set what they own, the rest carries over between rounds.
struct GameState {
    Integer SP = 0;       // cell size in pixels
    Long UGAME = 0;       // pause per tick, ms
    Integer N_KRI = 0;    // chosen level
    QString nam_kri;      // path of the chosen level's file
    Integer KK = 0;       // last key pressed
    Integer KKU = 0;      // last key released
    Integer UX = 0, UY = 0;  // requested direction
    Integer K0B = 0;      // bonus cells on the field
    Integer K0G = 0;      // ghost slots in use
    Integer K0P = 0;      // shots left
    Integer NG = 0;       // current ghost slot
    Long SCORE = 0;
    Integer PLAMA = 0;    // hero protection countdown
    Long TTG = 0;         // ticks since the last spawn
    Integer g_over = 0;   // 1 once a ghost caught the hero
    Integer POV = kFalse; // the current ghost wants to turn
    float X1 = 0.0f;      // scratch column / sparkle offset
    Integer Y1 = 0;       // scratch row / sparkle offset
    Long COL = 0;         // colour of the level pixel being read

    Field FLD;
    std::array<Integer, 11> HERO{};  // 1,2 cell; 3,4 centre pixel; 5,6 step
    std::array<GhostSlot, kGhostSlots + 1> GHOST{};
    std::array<Integer, 11> SHOT{};  // 0 flying; 1,2 cell; 3,4 centre; 5,6 velocity
};

}  // namespace krivol

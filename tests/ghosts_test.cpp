#include "round/ghosts.h"
#include "support/scenario.h"

namespace krivol::test {
namespace {

// Dots in the top rows for the items, a corridor along row 10 from column 10
// to 20, and the hero shut away in its own cell.
LevelGrid ghostCorridor() {
    LevelGrid g = LevelGrid::solid();
    return g.dots(2, 2, 49, 3).dots(10, 10, 20, 10).dots(24, 27, 24, 27);
}

struct Ghosts : ::testing::Test {
    Ghosts() : game(ghostCorridor(), 3) {
        game.start();
        game.noGhosts();
    }
    GhostSlot& G(int n) { return game.s().GHOST[static_cast<size_t>(n)]; }
    Scenario game;
};

TEST_F(Ghosts, StopOnTheCentreGoingRightAndOnePixelPastGoingLeft) {
    game.placeGhost(1, 15, 10, 1, 0);
    G(1)[ghost::kHold] = 30000;  // no turns
    game.ticks(100);
    EXPECT_EQ(G(1)[ghost::kPixX], cellCentre(20, 12));
    EXPECT_EQ(G(1)[ghost::kDx], 0);
    game.placeGhost(2, 15, 10, -1, 0);
    G(2)[ghost::kHold] = 30000;
    game.ticks(100);
    EXPECT_EQ(G(2)[ghost::kPixX], cellCentre(10, 12) - 1);
    EXPECT_EQ(G(2)[ghost::kCellX], 10);
}

TEST_F(Ghosts, AStoppedGhostTurnsBackOnlyToAnOpenSideAndHoldsItFor14Ticks) {
    game.placeGhost(1, 20, 10, 1, 0);  // against the corridor's end
    int turnedAt = -1;
    for (int t = 0; t < 200 && turnedAt < 0; ++t) {
        game.tick();
        if (G(1)[ghost::kDx] == -1) turnedAt = t;
        ASSERT_EQ(G(1)[ghost::kDy], 0) << "walls above and below";
        ASSERT_NE(G(1)[ghost::kDx], 1);
    }
    ASSERT_GE(turnedAt, 0);
    EXPECT_EQ(G(1)[ghost::kHold], 14);
    EXPECT_EQ(game.s().POV, kFalse);
    game.ticks(13);
    EXPECT_EQ(G(1)[ghost::kHold], 1);
    EXPECT_EQ(G(1)[ghost::kDx], -1);
}

TEST_F(Ghosts, DieInATrapWhichTurnsToFloorAndKeepTheirSlot) {
    game.placeGhost(1, 14, 10, 1, 0);
    G(1)[ghost::kHold] = 30000;
    game.setCell(15, 10, cell::kTrap);
    const Integer inUse = game.s().K0G;
    game.ticks(6);  // the centre reaches the first pixel of column 15
    EXPECT_EQ(G(1)[ghost::kState], ghost::kDead);
    EXPECT_EQ(game.s().FLD(15, 10), cell::kFloor);
    EXPECT_EQ(game.s().K0G, inUse);
    const GhostSlot frozen = G(1);
    game.ticks(5);
    EXPECT_EQ(G(1), frozen);
}

TEST_F(Ghosts, EatAmmoAndTakeProtectionButLeaveDotsAndBonus) {
    game.placeGhost(1, 12, 10, 1, 0);
    G(1)[ghost::kHold] = 30000;
    game.setCell(13, 10, cell::kAmmo);
    game.setCell(14, 10, cell::kBonus);
    game.setCell(15, 10, cell::kProtection);
    game.ticks(6 + 12);  // centre 138 -> 156, the first pixel of column 14
    EXPECT_EQ(game.s().FLD(13, 10), cell::kFloor);
    EXPECT_EQ(game.s().FLD(14, 10), cell::kBonus);
    game.ticks(12);
    EXPECT_EQ(game.s().FLD(15, 10), cell::kFloor);
    EXPECT_EQ(G(1)[ghost::kShield], 2999);  // counted down in the same pass
    EXPECT_EQ(game.s().FLD(16, 10), cell::kDot);
}

TEST_F(Ghosts, CatchTheUnprotectedHeroOnItsCell) {
    game.placeGhost(1, 24, 27);
    G(1)[ghost::kHold] = 30000;
    EXPECT_EQ(game.tick(), RoundEnd::Defeat);
    EXPECT_EQ(game.s().g_over, 1);
}

TEST_F(Ghosts, AGhostOnATrapUnderTheHeroCatchesAndDies) {
    game.setCell(24, 27, cell::kTrap);
    game.placeGhost(1, 24, 27);
    G(1)[ghost::kHold] = 30000;
    EXPECT_EQ(game.tick(), RoundEnd::Defeat);
    EXPECT_EQ(G(1)[ghost::kState], ghost::kDead);
}

TEST_F(Ghosts, SpawnEvery500TicksWithSoundInsideColumnsAndRows2To47) {
    game.s().TTG = 499;
    game.s().K0G = 5;
    game.sounds().clear();
    game.tick();
    EXPECT_EQ(game.s().K0G, 6);
    EXPECT_EQ(game.s().TTG, 0);
    EXPECT_EQ(game.sounds().first(), QStringLiteral("g.WAV"));
    const GhostSlot& g = G(6);
    EXPECT_EQ(g[ghost::kState], ghost::kAlive);
    EXPECT_GE(g[ghost::kCellX], 2);
    EXPECT_LE(g[ghost::kCellX], 47);
    EXPECT_GE(g[ghost::kCellY], 2);
    EXPECT_LE(g[ghost::kCellY], 47);
    // Born in a wall (this level is mostly wall), the cell is opened.
    EXPECT_NE(game.s().FLD(g[ghost::kCellX], g[ghost::kCellY]), cell::kWall);
    game.ticks(499);
    EXPECT_EQ(game.s().K0G, 6);
    game.tick();
    EXPECT_EQ(game.s().K0G, 7);
}

TEST_F(Ghosts, NoSpawnPastFiftySlotsButTheNextRoundSpawnsAtOnce) {
    game.s().K0G = 50;
    game.s().TTG = 498;
    game.ticks(10);
    EXPECT_EQ(game.s().K0G, 50);
    EXPECT_EQ(game.s().TTG, 508);
    {
        EndDialogPort none;
        game.round().finish(RoundEnd::Victory, none);
    }
    game.start();
    EXPECT_EQ(game.s().K0G, 5);
    game.tick();
    EXPECT_EQ(game.s().K0G, 6);  // TTG had run past 500
    EXPECT_EQ(game.s().TTG, 0);
}

TEST(GhostStart, DirectionIsOneAxisFromTwoDraws) {
    Rnd rnd(5);
    int seen[2][3] = {};
    for (int i = 0; i < 600; ++i) {
        GhostSlot g{};
        chooseStartDirection(g, rnd);
        ASSERT_TRUE(g[5] == 0 || g[6] == 0);
        for (int row = 0; row < 2; ++row) seen[row][g[static_cast<size_t>(5 + row)] + 1]++;
    }
    EXPECT_EQ(rnd.draws(), 1200u);
    for (int row = 0; row < 2; ++row) {
        EXPECT_GT(seen[row][0], 50);  // -1 occurs on both axes
        EXPECT_GT(seen[row][2], 50);  // +1 too
    }
}

}  // namespace
}  // namespace krivol::test

#include "support/scenario.h"

namespace krivol::test {
namespace {

// A long corridor along row 27 from column 5 to 45; the hero starts at 24.
LevelGrid longCorridor() {
    LevelGrid g = LevelGrid::solid();
    return g.dots(2, 2, 49, 3).dots(5, 27, 45, 27);
}

struct Shots : ::testing::Test {
    Shots() : game(longCorridor(), 21) {
        game.start();
        game.noGhosts();
        game.s().SCORE = 0;
        game.sounds().clear();
    }
    // Fires right on the tick after the hero took its first step right.
    void fireRight() {
        game.press(key::kRight);
        game.tick();
        game.press(key::kFire);
        game.tick();
        game.release(key::kFire);
    }
    void standStill(int n) {
        game.s().GHOST[static_cast<size_t>(n)][ghost::kHold] = 30000;
    }
    Scenario game;
};

TEST_F(Shots, FliesTwiceTheHerosSpeedAndEndsInTheWall) {
    fireRight();
    auto& S = game.s().SHOT;
    EXPECT_EQ(S[0], 100);
    EXPECT_EQ(S[5], 2);
    EXPECT_EQ(S[3], 283 + 2);  // fired from the centre the previous tick left
    int flying = 0;
    while (S[0] != 0 && flying < 200) {
        game.tick();
        ++flying;
    }
    EXPECT_EQ(S[1], 46);  // the wall cell past the corridor
    EXPECT_LT(flying, 200);
}

TEST_F(Shots, KillEveryUnprotectedGhostInTheCellForTwoHundredEach) {
    game.placeGhost(1, 30, 27);
    game.placeGhost(2, 30, 27);
    game.placeGhost(3, 30, 27);
    for (int n = 1; n <= 3; ++n) standStill(n);
    game.s().GHOST[3][ghost::kShield] = 500;
    fireRight();
    game.ticks(40);
    EXPECT_EQ(game.s().GHOST[1][ghost::kState], ghost::kDead);
    EXPECT_EQ(game.s().GHOST[2][ghost::kState], ghost::kDead);
    EXPECT_EQ(game.s().GHOST[3][ghost::kState], ghost::kAlive);
    EXPECT_EQ(game.sounds().count(QStringLiteral("die.wav")), 2);
    EXPECT_GE(game.s().SCORE, 400);
    EXPECT_LT(game.s().SCORE, 500);  // dots only beside
}

TEST_F(Shots, PassAProtectedGhostAndFlyOn) {
    game.placeGhost(1, 28, 27);
    standStill(1);
    game.s().GHOST[1][ghost::kShield] = 500;
    fireRight();
    game.ticks(40);  // 80 pixels on: well past column 28
    EXPECT_EQ(game.s().SHOT[0], 100);
    EXPECT_GT(game.s().SHOT[1], 29);
    EXPECT_EQ(game.s().GHOST[1][ghost::kState], ghost::kAlive);
}

TEST_F(Shots, ASpeedZeroShotStillHitsAGhostOnTheHerosCell) {
    game.s().PLAMA = 100;  // the ghost beside the hero must not end the round
    game.s().UX = 1;
    game.placeGhost(1, 24, 27);
    standStill(1);
    game.press(key::kFire);
    game.tick();  // HERO(5) was still 0: the shot does not move
    EXPECT_EQ(game.s().SHOT[0], 0);
    EXPECT_EQ(game.s().GHOST[1][ghost::kState], ghost::kDead);
    EXPECT_EQ(game.s().K0P, 4);
}

TEST_F(Shots, FacingAGhostAcrossACellBoundaryTheyCanPass) {
    // Shot on the last pixel of column 30, ghost on the first of column 31.
    game.placeGhost(1, 31, 27, -1, 0);
    standStill(1);
    auto& G = game.s().GHOST[1];
    G[ghost::kPixX] = 360;
    auto& S = game.s().SHOT;
    S = {100, 30, 27, 359, 318, 2, 0};
    game.tick();
    EXPECT_EQ(G[ghost::kCellX], 30);
    EXPECT_EQ(S[1], 31);
    EXPECT_EQ(G[ghost::kState], ghost::kAlive);
}

TEST_F(Shots, AShotInFlightCarriesIntoTheNextRound) {
    fireRight();
    game.ticks(3);
    const auto shot = game.s().SHOT;
    ASSERT_EQ(shot[0], 100);
    EndDialogPort none;
    game.round().finish(RoundEnd::Victory, none);
    game.start();
    EXPECT_EQ(game.s().SHOT, shot);
    game.noGhosts();
    game.tick();
    EXPECT_EQ(game.s().SHOT[3], shot[3] + 2);
}

}  // namespace
}  // namespace krivol::test

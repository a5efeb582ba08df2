#include "support/scenario.h"

namespace krivol::test {
namespace {

// Two dot rows at the top to hold the items, a corridor along row 27 from
// column 20 to 30, a side corridor up column 26 and one down column 24.
LevelGrid corridors() {
    LevelGrid g = LevelGrid::solid();
    g.dots(2, 2, 49, 3).dots(20, 27, 30, 27).dots(26, 20, 26, 27).dots(24, 27, 24, 35);
    return g;
}

struct HeroMoves : ::testing::Test {
    HeroMoves() : game(corridors(), 7) {
        game.start();
        game.noGhosts();
    }
    void steer(Integer code) {
        game.press(code);
        game.tick();
        game.release(code);
    }
    const std::array<Integer, 11>& H() { return game.s().HERO; }
    Scenario game;
};

TEST_F(HeroMoves, StopsOnTheCentreGoingRightAndOnePixelPastGoingLeft) {
    steer(key::kRight);
    game.ticks(100);
    EXPECT_EQ(H()[3], cellCentre(30, 12));
    EXPECT_EQ(H()[5], 0);
    EXPECT_EQ(game.s().UX, 1);  // the request stays while the hero waits
    steer(key::kLeft);
    steer(key::kLeft);
    game.ticks(200);
    EXPECT_EQ(H()[3], cellCentre(20, 12) - 1);
    EXPECT_EQ(H()[1], 20);
}

TEST_F(HeroMoves, StopsOnTheCentreGoingDownAndOnePixelPastGoingUp) {
    steer(key::kDown);
    game.ticks(150);
    EXPECT_EQ(H()[4], cellCentre(35, 12));
    steer(key::kUp);
    steer(key::kUp);
    game.ticks(200);
    EXPECT_EQ(H()[3], cellCentre(24, 12));
    EXPECT_EQ(H()[4], cellCentre(27, 12) - 1);  // no corridor above column 24
}

TEST_F(HeroMoves, TurnsOnlyOnTheSideCorridorsLineAndIsPulledOntoIt) {
    steer(key::kRight);       // from column 24 towards column 26
    game.ticks(17);  // centre 282 -> 300, the first pixel of column 26
    ASSERT_EQ(H()[3], 300);
    steer(key::kUp);
    EXPECT_EQ(H()[3], 306);  // jumped onto the column's centre line
    EXPECT_EQ(H()[4], 317);
    game.ticks(100);
    EXPECT_EQ(H()[4], cellCentre(20, 12) - 1);  // going up it stops one pixel past
}

TEST_F(HeroMoves, AnUpTurnBesideAWallCentresMovesOnePixelAndWaits) {
    steer(key::kRight);
    game.ticks(5);  // between column 24 and 25, no corridor above
    const Integer x = H()[3];
    steer(key::kUp);
    EXPECT_EQ(H()[3], (x / 12) * 12 + 6);
    EXPECT_EQ(H()[4], 317);
    game.ticks(5);
    EXPECT_EQ(H()[4], 317);
    EXPECT_EQ(game.s().UX, 0);
    EXPECT_EQ(game.s().UY, -1);
}

TEST_F(HeroMoves, HoldingTheOppositeArrowStopsThenReverses) {
    steer(key::kRight);
    game.ticks(3);
    const Integer x = H()[3];
    game.press(key::kLeft);
    game.tick();
    EXPECT_EQ(game.s().UX, 0);
    EXPECT_EQ(H()[3], x);
    game.tick();
    EXPECT_EQ(game.s().UX, -1);
    EXPECT_EQ(H()[3], x - 1);
}

TEST_F(HeroMoves, ACrossArrowTurnsAtOnce) {
    steer(key::kRight);
    game.press(key::kUp);
    game.tick();
    EXPECT_EQ(game.s().UY, -1);
    EXPECT_EQ(game.s().UX, 0);
}

TEST_F(HeroMoves, TheLastPressedKeyStaysHeldUntilItIsReleased) {
    game.press(key::kLeft);
    game.press(key::kDown);
    game.release(key::kLeft);  // KK 40, KKU 37: down still held
    game.ticks(3);
    EXPECT_EQ(game.s().UY, 1);
    game.s().UY = 0;
    game.s().UX = 0;
    game.tick();
    EXPECT_EQ(game.s().UY, 1);  // acted on again in every tick
    game.release(key::kDown);
    game.s().UY = 0;
    game.tick();
    EXPECT_EQ(game.s().UY, 0);
}

TEST_F(HeroMoves, ReleasingTheOtherKeyEndsTheHoldAndAKeyTappedBetweenTicksIsMissed) {
    game.press(key::kLeft);
    game.press(key::kDown);
    game.release(key::kDown);  // KK = KKU: nothing held although left is down
    game.tick();
    EXPECT_EQ(game.s().UX, 0);
    EXPECT_EQ(game.s().UY, 0);
    game.press(key::kRight);
    game.release(key::kRight);
    game.tick();
    EXPECT_EQ(game.s().UX, 0);
}

TEST_F(HeroMoves, FiringAtAWallGivesASpeedZeroShotThatEndsTheSameTick) {
    steer(key::kRight);
    game.ticks(100);  // waiting at the corridor's end, UX still 1
    game.press(key::kFire);
    game.tick();
    EXPECT_EQ(game.s().K0P, 4);
    EXPECT_EQ(game.session().labels.labP, QStringLiteral("4"));
    EXPECT_EQ(game.s().SHOT[0], 0);
    EXPECT_EQ(game.s().SHOT[5], 0);
    EXPECT_EQ(game.s().SHOT[6], 0);
}

TEST_F(HeroMoves, FireNeedsADirectionAndShotsAndTheKeypadOneNeverFires) {
    game.press(key::kFire);
    game.tick();  // no direction requested yet
    EXPECT_EQ(game.s().K0P, 5);
    game.release(key::kFire);
    steer(key::kRight);
    game.press(key::kKeypad1);
    game.ticks(3);
    EXPECT_EQ(game.s().K0P, 5);
    game.s().K0P = 1;
    game.press(key::kFire);
    game.tick();
    EXPECT_EQ(game.s().K0P, 0);
    EXPECT_EQ(game.session().labels.labP, QStringLiteral("0"));
    EXPECT_EQ(game.s().SHOT[5], 2);  // twice the hero's last step
    game.ticks(30);
    EXPECT_EQ(game.s().K0P, 0);
}

TEST_F(HeroMoves, HoldingFireShootsAgainRightAfterTheShotEnds) {
    game.s().K0P = 9;
    steer(key::kLeft);
    game.press(key::kFire);
    game.tick();
    ASSERT_EQ(game.s().SHOT[0], 100);
    EXPECT_EQ(game.s().SHOT[5], -2);
    int shots = 1;
    for (int i = 0; i < 40; ++i) {
        const Integer before = game.s().K0P;
        game.tick();
        shots += game.s().K0P < before;
    }
    EXPECT_GE(shots, 2);
    EXPECT_EQ(game.s().K0P, 9 - shots);
}

}  // namespace
}  // namespace krivol::test

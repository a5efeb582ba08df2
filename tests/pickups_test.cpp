#include "render/tiles.h"
#include "support/scenario.h"

namespace krivol::test {
namespace {

struct Pickups : ::testing::Test {
    Pickups() : game(LevelGrid::openRoom(), 11) {
        game.start();
        game.noGhosts();
        game.s().SCORE = 0;
    }
    // The cell the next trap drop will pick: the pickup makes the tick's first draws.
    QPoint nextDrop() {
        Rnd copy = game.session().rnd;
        const int x = static_cast<int>(static_cast<double>(copy.next()) * 46 + 2);
        const int y = static_cast<int>(static_cast<double>(copy.next()) * 46 + 2);
        return {x, y};
    }
    bool bufferShowsTile(QPoint cell, Integer code) {
        const QImage& buf = game.session().pics.PicBUF;
        for (int dy = 0; dy < 12; ++dy)
            for (int dx = 0; dx < 12; ++dx)
                if (buf.pixel((cell.x() - 1) * 12 + dx, (cell.y() - 1) * 12 + dy) !=
                    game.session().pics.PicS.pixel(dx, TS(code) + dy))
                    return false;
        return true;
    }
    Scenario game;
};

TEST_F(Pickups, ABonusIsWorth101AndDropsATrapIntoAWall) {
    const QPoint drop = nextDrop();
    ASSERT_NE(drop, QPoint(24, 27));
    game.setCell(24, 27, cell::kBonus);
    game.setCell(drop.x(), drop.y(), cell::kWall);
    const Integer bonus = game.s().K0B;
    game.tick();
    EXPECT_EQ(game.s().SCORE, 101);
    EXPECT_EQ(game.s().K0B, bonus - 1);
    EXPECT_EQ(game.sounds(), QStringList{QStringLiteral("b.WAV")});
    EXPECT_EQ(game.s().FLD(drop.x(), drop.y()), cell::kTrap);
    EXPECT_EQ(game.s().FLD(24, 27), cell::kFloor);
    EXPECT_EQ(static_cast<int>(game.s().X1), drop.x());
    EXPECT_EQ(game.s().Y1, drop.y());
    EXPECT_TRUE(bufferShowsTile(drop, cell::kTrap));
    EXPECT_TRUE(bufferShowsTile({24, 27}, cell::kFloor));
}

TEST_F(Pickups, ATrapOnABonusCostsThatBonusToo) {
    const QPoint drop = nextDrop();
    ASSERT_NE(drop, QPoint(24, 27));
    game.setCell(24, 27, cell::kBonus);
    game.setCell(drop.x(), drop.y(), cell::kBonus);
    const Integer bonus = game.s().K0B;
    game.tick();
    EXPECT_EQ(game.s().K0B, bonus - 2);
    EXPECT_EQ(game.s().FLD(drop.x(), drop.y()), cell::kTrap);
}

TEST_F(Pickups, ATrapOnTheHerosOwnCellIsSweptAwayAndCountedOnce) {
    const QPoint drop = nextDrop();
    game.placeHero(drop.x(), drop.y());
    game.setCell(drop.x(), drop.y(), cell::kBonus);
    const Integer bonus = game.s().K0B;
    game.tick();
    EXPECT_EQ(game.s().K0B, bonus - 1);
    EXPECT_EQ(game.s().FLD(drop.x(), drop.y()), cell::kFloor);
    EXPECT_EQ(game.s().SCORE, 101);
}

TEST_F(Pickups, AmmoAddsTenShotsAtOnceAndDotsScoreOne) {
    game.setCell(24, 27, cell::kAmmo);
    game.tick();
    EXPECT_EQ(game.s().K0P, 15);
    EXPECT_EQ(game.session().labels.labP, QStringLiteral("15"));
    EXPECT_EQ(game.s().SCORE, 1);
    game.s().UX = 1;
    game.ticks(12);  // into the dot cell (25, 27)
    EXPECT_EQ(game.s().SCORE, 2);
    EXPECT_EQ(game.s().FLD(25, 27), cell::kFloor);
}

TEST_F(Pickups, WalkingOverATrapOrFloorChangesNothing) {
    game.setCell(24, 27, cell::kTrap);
    game.tick();
    game.ticks(5);
    EXPECT_EQ(game.s().FLD(24, 27), cell::kTrap);
    EXPECT_EQ(game.s().SCORE, 0);
    EXPECT_TRUE(game.sounds().isEmpty());
}

TEST_F(Pickups, ProtectionRestartsAt2000AndTheLastProtectedTickStillSaves) {
    game.s().PLAMA = 700;
    game.setCell(24, 27, cell::kProtection);
    game.tick();
    EXPECT_EQ(game.s().PLAMA, 1999);  // set, not added, then counted down
    game.placeGhost(1, 24, 27);
    game.s().GHOST[1][ghost::kHold] = 30000;  // keeps it standing on the hero
    EXPECT_EQ(game.ticks(1998), RoundEnd::None);
    EXPECT_EQ(game.s().PLAMA, 1);
    EXPECT_EQ(game.tick(), RoundEnd::None);  // PLAMA 1 -> 0 after the ghost step
    EXPECT_EQ(game.s().PLAMA, 0);
    EXPECT_EQ(game.tick(), RoundEnd::Defeat);
}

TEST_F(Pickups, TakingProtectionAsAGhostArrivesSavesTheHero) {
    game.setCell(24, 27, cell::kProtection);
    game.placeGhost(1, 24, 27);
    EXPECT_EQ(game.tick(), RoundEnd::None);
    EXPECT_EQ(game.s().g_over, 0);
}

}  // namespace
}  // namespace krivol::test

#include <QFileInfo>
#include <set>

#include "round/startup.h"
#include "support/scenario.h"

namespace krivol::test {
namespace {

class RecordingDialogs : public EndDialogPort {
public:
    explicit RecordingDialogs(QStringList& log) : log_(log) {}
    void showVictory() override { log_.append(QStringLiteral("victory box")); }
    void showDefeat() override { log_.append(QStringLiteral("defeat box")); }

private:
    QStringList& log_;
};

TEST(RoundSetup, ItemsLieOnDistinctDotCellsInsideTheRing) {
    // A block round the hero with one corridor out of it.
    Scenario game(LevelGrid::openRoom().walls(10, 10, 40, 40).dots(24, 27, 24, 41), 1234);
    game.start();
    std::set<std::pair<int, int>> ghostCells;
    for (int n = 1; n <= 5; ++n) {
        const GhostSlot& G = game.s().GHOST[static_cast<size_t>(n)];
        EXPECT_EQ(G[ghost::kState], ghost::kAlive);
        EXPECT_GE(G[1], 5);
        EXPECT_LE(G[1], 44);
        EXPECT_EQ(G[3], cellCentre(G[1], 12));
        EXPECT_EQ(game.s().FLD(G[1], G[2]), cell::kFloor);  // cleared, even inside the wall block
        ghostCells.insert({G[1], G[2]});
    }
    int bonus = 0, ammo = 0;
    for (int x = 0; x <= 50; ++x) {
        for (int y = 0; y <= 50; ++y) {
            const Integer c = game.s().FLD(x, y);
            if (c != cell::kBonus && c != cell::kAmmo) continue;
            EXPECT_TRUE(x >= 2 && x <= 49 && y >= 2 && y <= 49);
            EXPECT_FALSE(x >= 10 && x <= 40 && y >= 10 && y <= 40) << "item on a wall";
            (c == cell::kBonus ? bonus : ammo)++;
        }
    }
    EXPECT_EQ(bonus, game.s().K0B);
    EXPECT_LE(ammo, 2);
    EXPECT_GE(bonus + static_cast<int>(ghostCells.size()), 20);
    EXPECT_EQ(game.s().HERO, (std::array<Integer, 11>{0, 24, 27, 282, 318, 0, 0}));
    EXPECT_EQ(game.s().K0P, 5);
    EXPECT_EQ(game.session().labels.labP, QStringLiteral("5"));
    for (int i = 0; i <= 50; ++i) {
        EXPECT_EQ(game.s().FLD(0, i), 0);
        EXPECT_EQ(game.s().FLD(i, 0), 0);
    }
}

TEST(RoundSetup, RefusesUnplayableLevelsAndASecondStartWithoutTouchingTheGame) {
    Scenario few(LevelGrid::solid().dots(2, 2, 22, 2), 1);  // 21 dots
    const StartResult refused = few.round().start();
    EXPECT_FALSE(refused.started);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("KRIVOL01.BMP")));
    EXPECT_FALSE(few.round().running());
    EXPECT_EQ(few.s().K0G, 0);
    EXPECT_EQ(few.session().rnd.draws(), 0u);

    Scenario open(LevelGrid::openRoom().set(1, 30, '.'), 1);
    EXPECT_FALSE(open.round().start().started);

    Scenario game(LevelGrid::openRoom(), 1);
    game.start();
    game.ticks(3);
    const auto hero = game.s().HERO;
    EXPECT_FALSE(game.round().start().started);
    EXPECT_EQ(game.s().HERO, hero);
}

TEST(RoundSetup, AMissingLevelFileIsReportedByName) {
    Scenario game(LevelGrid::openRoom(), 1);
    game.s().N_KRI = 7;
    const StartResult result = game.round().start();
    EXPECT_FALSE(result.started);
    EXPECT_TRUE(result.error.contains(QStringLiteral("KRIVOL07.BMP"))) << result.error.toStdString();
}

TEST(RoundEnd, VictoryAndDefeatInOneTickShowVictoryThenSoundThenDefeat) {
    Scenario game(LevelGrid::openRoom(), 5);
    game.start();
    game.noGhosts();
    for (int x = 2; x <= 49; ++x)
        for (int y = 2; y <= 49; ++y)
            if (game.s().FLD(x, y) == cell::kBonus) game.setCell(x, y, cell::kDot);
    game.setCell(25, 27, cell::kBonus);
    game.s().UX = 1;
    game.placeGhost(1, 25, 27);
    game.s().GHOST[1][ghost::kHold] = 30000;
    RoundEnd end = game.ticks(12);
    ASSERT_EQ(end, RoundEnd::VictoryAndDefeat);
    QStringList log;
    game.sounds().clear();
    RecordingDialogs dialogs(log);
    struct LoggingSound : SoundPort {
        explicit LoggingSound(QStringList& l) : log(l) {}
        void WAV(const QString& name) override { log.append(name); }
        QStringList& log;
    } sound(log);
    Game& g = game.session().game;
    Game logged{g.s, g.pics, g.rnd, Ports{sound, g.ports.labels, g.ports.screen}};
    Round round(logged, QString());
    round.finish(end, dialogs);
    EXPECT_EQ(log, (QStringList{"victory box", "взрыв.wav", "defeat box"}));
    EXPECT_EQ(game.s().g_over, 0);
    EXPECT_EQ(game.session().pics.Pic1.pixel(300, 300), kWindowBackground);
}

TEST(RoundEnd, TheLastBonusTakenByADropStillWins) {
    Scenario game(LevelGrid::openRoom(), 8);
    game.start();
    game.noGhosts();
    for (int x = 2; x <= 49; ++x)
        for (int y = 2; y <= 49; ++y)
            if (game.s().FLD(x, y) == cell::kBonus) game.setCell(x, y, cell::kDot);
    // The spawn's draws: cell, direction, ammo test and its cell.
    game.s().TTG = 499;
    for (int shift = 0;; ++shift) {
        Rnd copy = game.session().rnd;
        for (int i = 0; i < 4; ++i) copy.next();
        if (copy.next() < 0.2f) {
            const int x = static_cast<int>(static_cast<double>(copy.next()) * 46 + 2);
            const int y = static_cast<int>(static_cast<double>(copy.next()) * 46 + 2);
            if (QPoint(x, y) != QPoint(24, 27)) {
                game.setCell(x, y, cell::kBonus);
                break;
            }
        }
        game.session().rnd.next();  // try the sequence one draw later
        ASSERT_LT(shift, 1000);
    }
    EXPECT_EQ(game.s().K0B, 1);
    EXPECT_EQ(game.tick(), RoundEnd::Victory);
    EXPECT_EQ(game.s().K0B, 0);
}

TEST(RoundCarryOver, DirectionSpawnCounterAndGhostCountdownsSurviveARound) {
    Scenario game(LevelGrid::openRoom(), 9);
    game.start();
    game.s().UX = -1;
    game.s().TTG = 123;
    game.s().GHOST[3][ghost::kShield] = 77;
    game.s().GHOST[2][ghost::kHold] = 9;
    game.s().GHOST[12] = GhostSlot{100, 7, 7, 78, 78, 1, 0, 5, 0, 0, 3};
    EndDialogPort none;
    game.round().finish(RoundEnd::Defeat, none);
    game.start();
    EXPECT_EQ(game.s().TTG, 123);
    EXPECT_EQ(game.s().GHOST[3][ghost::kShield], 77);
    EXPECT_EQ(game.s().GHOST[2][ghost::kHold], 9);
    EXPECT_EQ(game.s().GHOST[12][ghost::kPixX], 78);
    EXPECT_EQ(game.s().g_over, 0);
    game.noGhosts();
    game.tick();
    EXPECT_EQ(game.s().HERO[3], 281);  // sets off left without a key
}

// The restore that copies only what changed must leave exactly the pixels a
// whole-field copy leaves, tick after tick.
TEST(FieldPicture, ChangedAreaRestoreEqualsAFullCopy) {
    Scenario quick(LevelGrid::openRoom().walls(20, 5, 21, 45), 31);
    Scenario full(LevelGrid::openRoom().walls(20, 5, 21, 45), 31);
    full.session().pics.fullRestore = true;
    quick.start();
    full.start();
    const Integer keys[] = {key::kLeft, key::kUp, key::kRight, key::kDown, key::kFire};
    Rnd choose(4);
    for (int t = 0; t < 3000; ++t) {
        if (t % 40 == 0) {
            const Integer k = keys[static_cast<int>(choose.next() * 5)];
            quick.press(k);
            full.press(k);
        }
        quick.s().PLAMA = full.s().PLAMA = 50;  // keep the sparkle going
        const RoundEnd a = quick.tick(), b = full.tick();
        ASSERT_EQ(a, b);
        ASSERT_EQ(quick.session().pics.Pic1, full.session().pics.Pic1) << "tick " << t;
        if (a != RoundEnd::None) break;
    }
}

TEST(StartUp, PreviewsLevelOneAndDrawsTheLegend) {
    Scenario game(LevelGrid::openRoom(), 2);
    Game& g = game.session().game;
    const LevelReading level = startUp(g, QFileInfo(game.round().levelFile()).absolutePath());
    EXPECT_TRUE(level.playable()) << level.error().toStdString();
    EXPECT_EQ(game.s().SP, 12);
    EXPECT_EQ(game.s().UGAME, 10);
    EXPECT_EQ(game.s().N_KRI, 1);
    const Surfaces& pics = game.session().pics;
    EXPECT_EQ(pics.PicLOAD.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(pics.PicLOAD.pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(pics.PicLOAD.pixel(51, 51), 0xFF000000u);
    const int destinations[] = {0, 24, 54, 84}, tiles[] = {24, 36, 48, 60};
    for (int i = 0; i < 4; ++i)
        for (int d = 0; d < 12; ++d)
            EXPECT_EQ(pics.Pic_inf.pixel(d, destinations[i] + d), pics.PicS.pixel(d, tiles[i] + d));
    EXPECT_EQ(game.session().rnd.draws(), 0u);
    EXPECT_FALSE(chooseLevel(g, QStringLiteral("/nonexistent"), 2).picture.ok());
    EXPECT_EQ(game.s().N_KRI, 2);
    EXPECT_EQ(pics.PicLOAD.pixel(1, 1), 0xFF000000u);  // black when the file is missing
}

}  // namespace
}  // namespace krivol::test

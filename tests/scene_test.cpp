#include "render/sprites.h"
#include "round/shot.h"
#include "support/scenario.h"

namespace krivol::test {
namespace {

int countColour(const QImage& image, QRect area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

// A whole tick's picture: field, ghosts (one protected), the protected hero
// and a shot over them. With KRIVOL_DUMP_DIR set it is saved for a look.
TEST(Scene, FiguresAndShotLieOverTheFieldInTheirOrder) {
    Scenario game(LevelGrid::openRoom().walls(10, 20, 30, 21), 17);
    game.start();
    game.noGhosts();
    game.placeGhost(1, 20, 27, 0, 0);
    game.placeGhost(2, 27, 27, 0, 0);
    game.placeGhost(3, 22, 30, 0, 0);
    for (int n = 1; n <= 3; ++n) game.s().GHOST[static_cast<size_t>(n)][ghost::kHold] = 30000;
    game.s().GHOST[2][ghost::kShield] = 100;
    game.s().PLAMA = 100;
    game.s().UX = 1;
    game.s().K0P = 5;
    game.tick();
    game.press(key::kFire);
    game.tick();
    game.release(key::kFire);
    game.ticks(8);  // the shot is now between the hero and ghost 2
    const QImage& field = game.session().pics.Pic1;
    const int hx = game.s().HERO[3], hy = game.s().HERO[4];
    EXPECT_GT(countColour(field, QRect(hx - 5, hy - 5, 11, 11), kSparkle), 5);
    const GhostSlot& shielded = game.s().GHOST[2];
    EXPECT_GT(countColour(field, QRect(shielded[3] - 5, shielded[4] - 5, 11, 11), kSparkle), 5);
    const GhostSlot& plain = game.s().GHOST[1];
    EXPECT_EQ(countColour(field, QRect(plain[3] - 6, plain[4] - 6, 12, 12), kSparkle), 0);
    ASSERT_EQ(game.s().SHOT[0], 100);
    EXPECT_EQ(countColour(field, QRect(game.s().SHOT[3] - 2, game.s().SHOT[4] - 2, 4, 4), kShotGreen), 12);
    if (const QByteArray dir = qgetenv("KRIVOL_DUMP_DIR"); !dir.isEmpty())
        field.scaled(1200, 1200).save(QString::fromLocal8Bit(dir) + QStringLiteral("/scene.png"));
}

}  // namespace
}  // namespace krivol::test

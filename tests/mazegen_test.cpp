#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <algorithm>
#include <set>
#include <vector>

#include "mazegen/maze_generator.h"
#include "state/level.h"
#include "state/level_stats.h"
#include "state/level_write.h"

namespace krivol {
namespace {

constexpr MazeStyle kStyles[] = {MazeStyle::halls, MazeStyle::classic, MazeStyle::galleries};
constexpr Mirror kMirrors[] = {Mirror::none, Mirror::leftRight, Mirror::topBottom, Mirror::both};

Field maze(std::uint32_t seed, const MazeOptions& options) {
    Rnd rnd(seed);
    return generateMaze(rnd, options);
}

// What every maze must be, whatever the seed: playable with no warning, the
// start a corridor, every corridor reachable, only walls and dots, and the
// mirror images asked for.
void expectSound(const Field& FLD, Mirror mirror) {
    const LevelCheck check = checkLevel(FLD);
    ASSERT_TRUE(check.playable()) << check.reason().toStdString();
    EXPECT_FALSE(check.startIsWall);
    EXPECT_EQ(check.unreachableDots, 0);
    EXPECT_TRUE(check.notes().isEmpty());
    const CellMarks reached = reachableFromStart(FLD);
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) {
            const Integer code = FLD(x, y);
            ASSERT_TRUE(code == cell::kWall || code == cell::kDot) << x << "," << y;
            if (code == cell::kDot) {
                ASSERT_TRUE(reached[x][y]) << x << "," << y;
            }
            for (const QPoint image : mirrorImages(QPoint(x, y), mirror))
                ASSERT_EQ(FLD(image.x(), image.y()), code) << x << "," << y;
        }
}

struct Medians {
    int deadEnds, meanRunTenths, run90, islands, pillars;
};

Medians mediansOver(int seeds, const MazeOptions& options) {
    std::vector<int> figures[5];
    for (int seed = 0; seed < seeds; ++seed) {
        const LevelStats s = levelStats(maze(static_cast<std::uint32_t>(seed), options));
        const int each[] = {s.deadEnds, s.meanRunTenths(), s.run90, s.islands, s.pillars};
        for (int k = 0; k < 5; ++k) figures[k].push_back(each[k]);
    }
    int m[5];
    for (int k = 0; k < 5; ++k) {
        std::nth_element(figures[k].begin(), figures[k].begin() + seeds / 2, figures[k].end());
        m[k] = figures[k][static_cast<size_t>(seeds / 2)];
    }
    return {m[0], m[1], m[2], m[3], m[4]};
}

bool allowsDeadEnds(MazeStyle style) { return style != MazeStyle::halls; }

// Every style, mirror and loop setting: sound, the same maze again for the
// same seed and another for another, the middle like the rest when mirrored,
// and the loops doing what they say.
TEST(MazeGenerator, EveryStyleMirrorAndLoopSettingMakesSoundMazes) {
    constexpr int kSeeds = 60;
    for (MazeStyle style : kStyles)
        for (Mirror mirror : kMirrors)
            for (int loops : {0, kStyleLoops, 100}) {
                const MazeOptions options{loops, mirror, style};
                std::set<QByteArray> distinct;
                int deadEnds = 0;
                for (int seed = 0; seed < kSeeds; ++seed) {
                    SCOPED_TRACE(mazeStyleName(style).toStdString() + " mirror " + mirrorName(mirror).toStdString() +
                                 " loops " + std::to_string(loops) + " seed " + std::to_string(seed));
                    const Field FLD = maze(static_cast<std::uint32_t>(seed), options);
                    expectSound(FLD, mirror);
                    const QByteArray bytes = levelBmpBytes(FLD);
                    if (seed < 3) {
                        EXPECT_EQ(levelBmpBytes(maze(static_cast<std::uint32_t>(seed), options)), bytes);
                    }
                    distinct.insert(bytes);
                    const LevelStats stats = levelStats(FLD);
                    deadEnds += stats.deadEnds;
                    if (mirror != Mirror::none) {
                        EXPECT_LE(stats.doubleWallPercent, 80);
                    }
                    if (loops == 100 || !allowsDeadEnds(style)) {
                        EXPECT_EQ(stats.deadEnds, 0);
                    }
                    if (loops == 0 && mirror == Mirror::none && allowsDeadEnds(style)) {
                        EXPECT_EQ(stats.islands, 0) << "a perfect maze";
                    }
                }
                EXPECT_EQ(distinct.size(), static_cast<size_t>(kSeeds));
                if (loops == 0 && allowsDeadEnds(style)) {
                    EXPECT_GE(deadEnds / kSeeds, 20) << mazeStyleName(style).toStdString();
                }
            }
}

TEST(MazeGenerator, StylesHaveTheCharactersOfTheShippedLevels) {
    const struct {
        MazeStyle style;
        Medians least, most;
    } targets[] = {
        {MazeStyle::halls, {0, 60, 0, 0, 60}, {5, 1000, 100, 1000, 1000}},
        // The classic maze as it was before there were styles, give or take 15 %.
        {MazeStyle::classic, {34, 42, 8, 44, 14}, {46, 56, 10, 60, 18}},
        {MazeStyle::galleries, {0, 75, 15, 0, 0}, {1000, 1000, 100, 25, 1000}},
    };
    for (const auto& t : targets) {
        const Medians m = mediansOver(200, {kStyleLoops, Mirror::none, t.style});
        const int got[] = {m.deadEnds, m.meanRunTenths, m.run90, m.islands, m.pillars};
        const int least[] = {t.least.deadEnds, t.least.meanRunTenths, t.least.run90, t.least.islands, t.least.pillars};
        const int most[] = {t.most.deadEnds, t.most.meanRunTenths, t.most.run90, t.most.islands, t.most.pillars};
        for (int k = 0; k < 5; ++k) {
            EXPECT_GE(got[k], least[k]) << mazeStyleName(t.style).toStdString() << " figure " << k;
            EXPECT_LE(got[k], most[k]) << mazeStyleName(t.style).toStdString() << " figure " << k;
        }
    }
}

// A mixed maze is one of the three, so over a few seeds it has both a
// halls' lack of dead ends and a classic maze's or a gallery's many.
TEST(MazeGenerator, MixedPicksAmongTheStyles) {
    int withoutDeadEnds = 0, withDeadEnds = 0;
    for (std::uint32_t seed = 0; seed < 12; ++seed) {
        const Field FLD = maze(seed, {kStyleLoops, Mirror::leftRight, MazeStyle::mixed});
        expectSound(FLD, Mirror::leftRight);
        (levelStats(FLD).deadEnds == 0 ? withoutDeadEnds : withDeadEnds)++;
    }
    EXPECT_GT(withoutDeadEnds, 0);
    EXPECT_GT(withDeadEnds, 0);
    EXPECT_EQ(styleInSet(MazeStyle::mixed, 1), MazeStyle::halls);
    EXPECT_EQ(styleInSet(MazeStyle::mixed, 3), MazeStyle::galleries);
    EXPECT_EQ(styleInSet(MazeStyle::classic, 3), MazeStyle::classic);
}

// Pins the algorithm and the draws: a change here changes every shared seed.
// The unmirrored classic mazes are those these seeds gave before there were
// styles; the mirrored one changed when its middle was opened up.
TEST(MazeGenerator, FixedSeedsGiveTheSameBytesEverywhere) {
    const struct {
        std::uint32_t seed;
        MazeOptions options;
        const char* sha256Start;
    } pinned[] = {
        {7, {}, "518c627cd76fdceb"},
        {12345, {0, Mirror::none}, "cb7d60114520e7d2"},
        {4000000000u, {60, Mirror::both}, "f1a5e4792ee00094"},
        {7, {kStyleLoops, Mirror::none, MazeStyle::halls}, "345dd02d58df464b"},
        {12345, {0, Mirror::topBottom, MazeStyle::halls}, "851322546a43afaa"},
        {4000000000u, {100, Mirror::both, MazeStyle::halls}, "a4b864ecd0b63f92"},
        {7, {kStyleLoops, Mirror::none, MazeStyle::galleries}, "c9b85045493abc75"},
        {12345, {0, Mirror::leftRight, MazeStyle::galleries}, "4355cf8a0fb52e47"},
        {4000000000u, {100, Mirror::both, MazeStyle::galleries}, "6dda18ad800a38b9"},
    };
    for (const auto& p : pinned) {
        const QByteArray bytes = levelBmpBytes(maze(p.seed, p.options));
        const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        EXPECT_EQ(hash.left(16).toStdString(), p.sha256Start)
            << mazeStyleName(p.options.style).toStdString() << " seed " << p.seed;
    }
}

}  // namespace
}  // namespace krivol

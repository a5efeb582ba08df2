// The level editor's model: tools, mirror painting, history and the live check.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QDir>

#include "editor/level_draft.h"
#include "level_fixtures.h"
#include "render/level_preview.h"
#include "state/level_write.h"

namespace krivol {
namespace {

constexpr Integer W = cell::kWall, D = cell::kDot, F = cell::kFloor;

// What a case expects of the grid: the new level with these cells changed.
struct Paint {
    int x0, y0, x1, y1;  // an inclusive block
    Integer code;
};

Field expected(const std::vector<Paint>& paints) {
    Field FLD = LevelDraft::newLevel();
    for (const Paint& p : paints)
        for (int x = p.x0; x <= p.x1; ++x)
            for (int y = p.y0; y <= p.y1; ++y) FLD.set(x, y, p.code);
    return FLD;
}

std::string differences(const Field& a, const Field& b) {
    std::string out;
    for (int y = 0; y <= kGridMax; ++y)
        for (int x = 0; x <= kGridMax; ++x)
            if (a(x, y) != b(x, y) && out.size() < 200)
                out += "(" + std::to_string(x) + "," + std::to_string(y) + ")=" + std::to_string(a(x, y)) + " ";
    return out;
}

struct ToolCase {
    const char* name;
    Mirror mirror;
    std::function<void(LevelDraft&)> strokes;
    std::vector<Paint> result;
    int steps;  // strokes that changed something
};

const std::vector<ToolCase>& toolCases() {
    static const std::vector<ToolCase> cases = {
        {"pen drag, one step", Mirror::none,
         [](LevelDraft& d) {
             d.beginStroke(W);
             d.addToStroke(lineCells({3, 3}, {6, 3}));
             d.addToStroke(lineCells({6, 3}, {6, 5}));  // the drag turns a corner
             d.endStroke(QStringLiteral("pen"));
         },
         {{3, 3, 6, 3, W}, {6, 4, 6, 5, W}}, 1},
        {"line: a preview moved, then released", Mirror::none,
         [](LevelDraft& d) {
             d.beginStroke(W);
             d.reshapeStroke(lineCells({3, 3}, {20, 20}));
             d.reshapeStroke(lineCells({3, 3}, {7, 5}));
             d.endStroke(QStringLiteral("line"));
         },
         {{3, 3, 4, 3, W}, {4, 4, 6, 4, W}, {6, 5, 7, 5, W}}, 1},
        {"rectangle outline and filled, right button floor", Mirror::none,
         [](LevelDraft& d) {
             d.paint(rectangleCells({13, 12}, {10, 10}, false), W, QStringLiteral("rect"));
             d.paint(rectangleCells({20, 20}, {22, 21}, true), F, QStringLiteral("filled"));
         },
         {{10, 10, 13, 10, W}, {10, 12, 13, 12, W}, {10, 11, 10, 11, W}, {13, 11, 13, 11, W}, {20, 20, 22, 21, F}}, 2},
        {"flood fill stops at a wall", Mirror::none,
         [](LevelDraft& d) {
             d.paint(lineCells({25, 2}, {25, 49}), W, QStringLiteral("wall"));
             d.paint(floodCells(d.grid(), {10, 10}), F, QStringLiteral("fill"));
         },
         {{25, 2, 25, 49, W}, {2, 2, 24, 49, F}}, 2},
        {"a stroke that changes nothing leaves no step", Mirror::none,
         [](LevelDraft& d) { d.paint(lineCells({1, 1}, {1, 9}), W, QStringLiteral("ring")); }, {}, 0},
        {"mirror left-right", Mirror::leftRight,
         [](LevelDraft& d) { d.paint({{3, 4}}, W, QStringLiteral("pen")); },
         {{3, 4, 3, 4, W}, {48, 4, 48, 4, W}}, 1},
        {"mirror top-bottom", Mirror::topBottom,
         [](LevelDraft& d) { d.paint({{3, 4}}, W, QStringLiteral("pen")); },
         {{3, 4, 3, 4, W}, {3, 47, 3, 47, W}}, 1},
        {"mirror both, a line across the middle", Mirror::both,
         [](LevelDraft& d) { d.paint(lineCells({24, 5}, {27, 5}), F, QStringLiteral("line")); },
         {{24, 5, 27, 5, F}, {24, 46, 27, 46, F}}, 1},
        {"mirror with a cancelled stroke", Mirror::both,
         [](LevelDraft& d) {
             d.beginStroke(W);
             d.addToStroke({{8, 8}});
             d.cancelStroke();
         },
         {}, 0},
    };
    return cases;
}

TEST(LevelDraftTools, EachToolAndMirrorThenUndoToTheStartAndRedoToTheEnd) {
    for (const ToolCase& c : toolCases()) {
        SCOPED_TRACE(c.name);
        LevelDraft draft;
        draft.setMirror(c.mirror);
        c.strokes(draft);
        const Field end = expected(c.result);
        EXPECT_EQ(differences(draft.grid(), end), "");
        EXPECT_EQ(draft.history().count(), c.steps);
        EXPECT_EQ(draft.modified(), c.steps > 0);

        for (int i = 0; i < c.steps; ++i) draft.undo();
        EXPECT_EQ(differences(draft.grid(), LevelDraft::newLevel()), "");
        EXPECT_FALSE(draft.modified());
        for (int i = 0; i < c.steps; ++i) draft.redo();
        EXPECT_EQ(differences(draft.grid(), end), "");
    }
}

TEST(LevelDraftTools, LinesAreUnbrokenAndShapesStayOnTheField) {
    for (const auto& [a, b] : std::vector<std::pair<QPoint, QPoint>>{{{1, 1}, {50, 50}}, {{40, 3}, {2, 17}}, {{9, 9}, {9, 9}}}) {
        const Cells line = lineCells(a, b);
        ASSERT_EQ(line.front(), a);
        ASSERT_EQ(line.back(), b);
        for (size_t i = 1; i < line.size(); ++i)
            EXPECT_EQ((line[i] - line[i - 1]).manhattanLength(), 1) << i;  // sides touch, never corners
    }
    EXPECT_EQ(rectangleCells({1, 1}, {50, 50}, false).size(), 196u);
    EXPECT_EQ(floodCells(LevelDraft::newLevel(), {0, 7}).size(), 0u);
    EXPECT_EQ(floodCells(LevelDraft::newLevel(), {1, 1}).size(), 196u);  // the ring
}

TEST(LevelDraftCheck, FollowsEveryStrokeUndoAndRedo) {
    LevelDraft draft;
    EXPECT_TRUE(draft.check().playable());
    EXPECT_EQ(draft.check().dots, 48 * 48);

    draft.paint({{1, 30}}, D, QStringLiteral("hole"));
    ASSERT_EQ(draft.check().openings.size(), 1u);
    EXPECT_EQ(draft.check().openings.front(), QPoint(1, 30));

    // A sealed room: its dots cannot be reached and are marked so.
    draft.paint(rectangleCells({30, 30}, {34, 34}, false), W, QStringLiteral("room"));
    EXPECT_EQ(draft.check().unreachableDots, 9);
    EXPECT_FALSE(draft.reachable()[32][32]);
    EXPECT_TRUE(draft.reachable()[24][27]);

    draft.paint({kHeroStartCell}, W, QStringLiteral("start"));
    EXPECT_TRUE(draft.check().startIsWall);

    draft.undo();
    draft.undo();
    EXPECT_EQ(draft.check().unreachableDots, 0);
    EXPECT_FALSE(draft.check().startIsWall);
    draft.undo();
    EXPECT_TRUE(draft.check().openings.empty());
    draft.redo();
    EXPECT_EQ(draft.check().openings.size(), 1u);
}

TEST(LevelDraftHistory, SavedStateResetAndReplace) {
    LevelDraft draft;
    draft.paint({{5, 5}}, W, QStringLiteral("a"));
    draft.markSaved();
    EXPECT_FALSE(draft.modified());
    draft.paint({{6, 6}}, W, QStringLiteral("b"));
    EXPECT_TRUE(draft.modified());
    draft.undo();
    EXPECT_FALSE(draft.modified());  // back where it was saved

    Field solid;
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) solid.set(x, y, W);
    draft.replace(solid, QStringLiteral("maze"));
    EXPECT_EQ(draft.grid()(25, 25), W);
    EXPECT_TRUE(draft.modified());
    draft.undo();
    EXPECT_EQ(draft.grid()(25, 25), D);
    EXPECT_EQ(draft.grid()(5, 5), W);

    draft.reset(solid);
    EXPECT_EQ(draft.history().count(), 0);
    EXPECT_FALSE(draft.modified());
    EXPECT_FALSE(draft.check().playable());
}

// Opened and saved, every level we have reads back as the same grid.
TEST(LevelDraftFiles, EveryShippedAndFixtureLevelSurvivesOpenAndSave) {
    std::vector<std::pair<QString, QByteArray>> levels;
    for (const char* folder : {KRIVOL_SOURCE_DIR "/data", KRIVOL_SOURCE_DIR "/tests/replays/corridor",
                               KRIVOL_SOURCE_DIR "/fuzz/corpus/level"})
        for (const QFileInfo& f : QDir(QString::fromUtf8(folder)).entryInfoList(QDir::Files)) {
            QFile file(f.filePath());
            if (file.open(QIODevice::ReadOnly)) levels.emplace_back(f.filePath(), file.readAll());
        }
    using fixtures::BmpLayout;
    for (const BmpLayout& layout : {BmpLayout{.bits = 1}, BmpLayout{.bits = 4, .compression = 2}, BmpLayout{.bits = 8, .compression = 1},
                                    BmpLayout{.bits = 16, .masks = fixtures::kMasks555}, BmpLayout{.bits = 32, .topDown = true},
                                    BmpLayout{.bits = 24, .infoSize = 12}})
        levels.emplace_back(QStringLiteral("fixture %1 bits").arg(layout.bits), fixtures::bmpBytes(fixtures::mazePicture(), layout));
    ASSERT_GE(levels.size(), 12u);

    int read = 0;
    for (const auto& [name, bytes] : levels) {
        SCOPED_TRACE(name.toStdString());
        const LevelPicture picture = decodeLevelPicture(bytes, name);
        if (!picture.ok()) continue;  // the corpus holds broken files on purpose
        ++read;
        QImage PicLOAD;
        Long COL = 0;
        putInPicLOAD(PicLOAD, picture.image);
        Field opened;
        readLevel(opened, COL, PicLOAD);
        LevelDraft draft;
        draft.reset(opened);
        const LevelPicture saved = decodeLevelPicture(levelBmpBytes(draft.grid()), name);
        ASSERT_TRUE(saved.ok());
        putInPicLOAD(PicLOAD, saved.image);
        Field back;
        readLevel(back, COL, PicLOAD);
        EXPECT_EQ(differences(back, opened), "");
    }
    EXPECT_GE(read, 10);
}

}  // namespace
}  // namespace krivol

// The level editor's model: tools, mirror painting, history and the live check.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <memory>

#include "editor/level_draft.h"

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
             d.beginStroke(Tool::pen, W, {3, 3}, StrokeInput::mouse);
             d.strokeTo({6, 3});
             d.strokeTo({6, 5});  // the drag turns a corner
             d.endStroke();
         },
         {{3, 3, 6, 3, W}, {6, 4, 6, 5, W}}, 1},
        {"line: a preview moved, then released", Mirror::none,
         [](LevelDraft& d) {
             d.beginStroke(Tool::line, W, {3, 3}, StrokeInput::mouse);
             d.strokeTo({20, 20});
             d.strokeTo({7, 5});
             d.endStroke();
         },
         {{3, 3, 4, 3, W}, {4, 4, 6, 4, W}, {6, 5, 7, 5, W}}, 1},
        {"rectangle outline and filled, right button floor", Mirror::none,
         [](LevelDraft& d) {
             d.paint(Tool::rectangle, W, {13, 12}, {10, 10});
             d.paint(Tool::filledRectangle, F, {20, 20}, {22, 21});
         },
         {{10, 10, 13, 10, W}, {10, 12, 13, 12, W}, {10, 11, 10, 11, W}, {13, 11, 13, 11, W}, {20, 20, 22, 21, F}}, 2},
        {"flood fill stops at a wall", Mirror::none,
         [](LevelDraft& d) {
             d.paint(Tool::line, W, {25, 2}, {25, 49});
             d.paint(Tool::fill, F, {10, 10}, {10, 10});
         },
         {{25, 2, 25, 49, W}, {2, 2, 24, 49, F}}, 2},
        {"a stroke that changes nothing leaves no step", Mirror::none,
         [](LevelDraft& d) { d.paint(Tool::line, W, {1, 1}, {1, 9}); }, {}, 0},
        {"a shape dragged back to changing nothing leaves no step", Mirror::none,
         [](LevelDraft& d) {
             d.beginStroke(Tool::rectangle, W, {1, 1}, StrokeInput::mouse);
             d.strokeTo({9, 9});
             d.strokeTo({1, 9});
             d.endStroke();
         },
         {}, 0},
        {"mirror left-right", Mirror::leftRight, [](LevelDraft& d) { d.paint(Tool::pen, W, {3, 4}, {3, 4}); },
         {{3, 4, 3, 4, W}, {48, 4, 48, 4, W}}, 1},
        {"mirror top-bottom", Mirror::topBottom, [](LevelDraft& d) { d.paint(Tool::pen, W, {3, 4}, {3, 4}); },
         {{3, 4, 3, 4, W}, {3, 47, 3, 47, W}}, 1},
        {"mirror both, a line across the middle", Mirror::both, [](LevelDraft& d) { d.paint(Tool::line, F, {24, 5}, {27, 5}); },
         {{24, 5, 27, 5, F}, {24, 46, 27, 46, F}}, 1},
        {"mirror both, keys drive a pen", Mirror::both,
         [](LevelDraft& d) {
             d.beginStroke(Tool::pen, W, {8, 8}, StrokeInput::keys);
             d.strokeTo({8, 9});
             d.endStroke();
         },
         {{8, 8, 8, 9, W}, {43, 8, 43, 9, W}, {8, 42, 8, 43, W}, {43, 42, 43, 43, W}}, 1},
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

    draft.paint(Tool::pen, D, {1, 30}, {1, 30});
    ASSERT_EQ(draft.check().openings.size(), 1u);
    EXPECT_EQ(draft.check().openings.front(), QPoint(1, 30));

    // A sealed room: its dots cannot be reached and are marked so.
    draft.paint(Tool::rectangle, W, {30, 30}, {34, 34});
    EXPECT_EQ(draft.check().unreachableDots, 9);
    EXPECT_FALSE(draft.reachable()[32][32]);
    EXPECT_TRUE(draft.reachable()[24][27]);

    draft.paint(Tool::pen, W, kHeroStartCell, kHeroStartCell);
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
    draft.paint(Tool::pen, W, {5, 5}, {5, 5});
    draft.markSaved();
    EXPECT_FALSE(draft.modified());
    draft.paint(Tool::pen, W, {6, 6}, {6, 6});
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

// Each image of the cursor fills the area it lies in, not a copy of the first.
TEST(LevelDraftTools, FillUnderEachMirrorFillsTheAreaAtEachImageAsOneStep) {
    // Walls that are not symmetric: a column left of the middle, a row above
    // it. The areas of dots: A (2..9, 2..14), B (11..49, 2..14),
    // C (2..9, 16..49), D (11..49, 16..49).
    const std::vector<Paint> walls = {{10, 2, 10, 49, W}, {2, 15, 49, 15, W}};
    const Paint A{2, 2, 9, 14, F}, B{11, 2, 49, 14, F}, C{2, 16, 9, 49, F}, D{11, 16, 49, 49, F};
    const struct {
        Mirror mirror;
        std::vector<Paint> filled;
    } cases[] = {
        {Mirror::none, {A}},
        {Mirror::leftRight, {A, B}},
        {Mirror::topBottom, {A, C}},
        {Mirror::both, {A, B, C, D}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(mirrorName(c.mirror).toStdString());
        LevelDraft draft;
        draft.reset(expected(walls));
        draft.setMirror(c.mirror);
        draft.paint(Tool::fill, F, {5, 5}, {5, 5});
        std::vector<Paint> result = walls;
        result.insert(result.end(), c.filled.begin(), c.filled.end());
        EXPECT_EQ(differences(draft.grid(), expected(result)), "");
        EXPECT_EQ(draft.history().count(), 1);
        EXPECT_EQ(draft.history().undoText(), QStringLiteral("заливка"));
        draft.undo();
        EXPECT_EQ(differences(draft.grid(), expected(walls)), "");
    }
}

// An undo or redo in the middle of a stroke ends it, and the next stroke
// paints again: once a stroke ended in one place and not in another.
TEST(LevelDraftHistory, UndoAndRedoInTheMiddleOfAStrokeEndIt) {
    struct Case {
        const char* name;
        std::function<void(LevelDraft&)> before;  // a stroke under way at its end
        std::function<void(LevelDraft&)> step;    // an undo or a redo
        std::vector<Paint> after;
        bool canRedo;
    };
    const auto keyStroke = [](LevelDraft& d) {
        d.beginStroke(Tool::pen, W, {8, 8}, StrokeInput::keys);
        d.strokeTo({9, 8});
    };
    const std::vector<Case> cases = {
        {"undo takes the stroke under way", keyStroke, [](LevelDraft& d) { d.undo(); }, {}, true},
        {"the stroke is then redone whole", keyStroke,
         [](LevelDraft& d) {
             d.undo();
             d.redo();
         },
         {{8, 8, 9, 8, W}}, false},
        {"a stroke that changed nothing yet, then a redo", [](LevelDraft& d) {
             d.paint(Tool::pen, F, {5, 5}, {5, 5});
             d.undo();
             d.beginStroke(Tool::pen, W, {1, 1}, StrokeInput::mouse);  // the ring is wall already
         },
         [](LevelDraft& d) { d.redo(); }, {{5, 5, 5, 5, F}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LevelDraft draft;
        c.before(draft);
        ASSERT_TRUE(draft.stroke());
        c.step(draft);
        EXPECT_FALSE(draft.stroke());
        EXPECT_EQ(differences(draft.grid(), expected(c.after)), "");
        EXPECT_EQ(draft.history().canRedo(), c.canRedo);
        draft.strokeTo({20, 20});  // the ended stroke takes nothing more
        EXPECT_EQ(draft.grid()(20, 20), D);
        draft.beginStroke(Tool::pen, F, {30, 30}, StrokeInput::keys);
        draft.strokeTo({30, 31});
        draft.endStroke();
        EXPECT_EQ(draft.grid()(30, 31), F);
    }
}

// Every change is told once to every observer, and to none that is gone.
TEST(LevelDraftHistory, ObserversHearOfEachChangeOnce) {
    LevelDraft draft;
    int heard = 0, goneHeard = 0;
    QObject here;
    auto gone = std::make_unique<QObject>();
    draft.observe(&here, [&] { ++heard; });
    draft.observe(gone.get(), [&] { ++goneHeard; });
    const struct {
        const char* name;
        std::function<void()> change;
        int told;
    } steps[] = {
        {"a stroke begins and makes a step", [&] { draft.beginStroke(Tool::line, W, {3, 3}, StrokeInput::mouse); }, 1},
        {"it moves", [&] { draft.strokeTo({9, 3}); }, 1},
        {"it moves nowhere", [&] { draft.strokeTo({9, 3}); }, 0},
        {"it ends", [&] { draft.endStroke(); }, 1},
        // As the menu's action does it, past the draft.
        {"an undo by the history itself", [&] { const_cast<QUndoStack&>(draft.history()).undo(); }, 1},
        {"a fill", [&] { draft.paint(Tool::fill, F, {5, 5}, {5, 5}); }, 1},
        {"saved", [&] { draft.markSaved(); }, 1},
        {"a grid opened", [&] { draft.reset(LevelDraft::newLevel()); }, 1},
        {"nothing to end", [&] { draft.endStroke(); }, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        if (gone && heard > 0) gone.reset();
        heard = 0;
        s.change();
        EXPECT_EQ(heard, s.told);
    }
    EXPECT_EQ(goneHeard, 1);
    EXPECT_FALSE(draft.modified());
}

}  // namespace
}  // namespace krivol

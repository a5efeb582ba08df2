#pragma once
#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <vector>

#include "editor/shapes.h"
#include "state/level.h"

namespace krivol {

// The three kinds of cell a level picture can give.
enum class CellKind { wall, corridor, floor };
constexpr Integer cellCode(CellKind kind) {
    return kind == CellKind::wall ? cell::kWall : kind == CellKind::corridor ? cell::kDot : cell::kFloor;
}

// What drives a stroke under way: a drag of the mouse, or Shift+arrows.
enum class StrokeInput { mouse, keys };

// A level being edited: its cells, the stroke under way, their history as
// undoable steps, and the game's own check, always up to date. No widgets,
// so the mouse, the keyboard and the tests all edit through the same calls,
// and every view learns of a change from here alone.
class LevelDraft {
public:
    LevelDraft();  // a new level
    ~LevelDraft();
    LevelDraft(const LevelDraft&) = delete;
    LevelDraft& operator=(const LevelDraft&) = delete;

    // The closed outer ring of wall with corridor everywhere inside.
    static Field newLevel();

    const Field& grid() const { return grid_; }
    const LevelCheck& check() const { return check_; }
    const CellMarks& reachable() const { return reachable_; }

    // Called once after each change of the grid, the stroke under way, the
    // history or the saved state, for as long as `context` lives; modified()
    // then says whether the draft differs from what was last opened or saved.
    void observe(QObject* context, std::function<void()> observer) const;

    // Strokes paint their cells' mirror images too.
    void setMirror(Mirror mirror) { mirror_ = mirror; }
    Mirror mirror() const { return mirror_; }

    // A stroke shows on the grid as it goes and is the newest step of the
    // history from its first changed cell on; one that changed nothing leaves
    // no step. A fill is whole at once. An undo or redo ends a stroke.
    void beginStroke(Tool tool, Integer code, QPoint at, StrokeInput input);
    void strokeTo(QPoint at);  // the pen gathers cells, the shapes take their new corner
    void endStroke();
    std::optional<StrokeInput> stroke() const;
    // A whole stroke from `from` to `to`.
    void paint(Tool tool, Integer code, QPoint from, QPoint to);

    // Another grid as one step (a random maze, an import).
    void replace(const Field& grid, const QString& name);
    // A level opened or begun: no history, nothing unsaved.
    void reset(const Field& grid);

    // Undo and redo are the history's own, also for its menu actions.
    const QUndoStack& history() const { return history_; }
    void undo() { history_.undo(); }
    void redo() { history_.redo(); }
    bool modified() const { return !history_.isClean(); }
    void markSaved();

private:
    struct Change {
        QPoint cell;
        Integer before, after;
    };
    class Step;
    struct Stroke {
        Tool tool;
        Integer code;
        StrokeInput input;
        QPoint anchor, last;
        Field before;
        CellMarks touched{};
        Cells touchedList;
        Step* step = nullptr;  // on the history once it changed a cell
    };
    class Batch;

    void stepped(const std::vector<Change>& changes, bool forward);
    void strokeCells(const Cells& cells, bool reshape);
    void set(QPoint cell, Integer code);
    void recheck();
    void notify();

    Field grid_;
    LevelCheck check_;
    CellMarks reachable_{};
    Mirror mirror_ = Mirror::none;
    QUndoStack history_;
    std::optional<Stroke> stroke_;
    int busy_ = 0;  // inside a call of ours: its end tells the observers
    bool dirty_ = false;
    mutable std::vector<std::pair<QPointer<QObject>, std::function<void()>>> observers_;
};

}  // namespace krivol

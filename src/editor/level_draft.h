#pragma once
#include <QString>
#include <QUndoStack>
#include <vector>

#include "editor/shapes.h"
#include "state/level.h"

namespace krivol {

// The three kinds of cell a level picture can give.
enum class CellKind { wall, corridor, floor };
constexpr Integer cellCode(CellKind kind) {
    return kind == CellKind::wall ? cell::kWall : kind == CellKind::corridor ? cell::kDot : cell::kFloor;
}

// A level being edited: its cells, their history as undoable strokes, and
// the game's own check, always up to date. No widgets, so the mouse, the
// keyboard and the tests all edit through the same calls.
class LevelDraft {
public:
    LevelDraft();  // a new level
    LevelDraft(const LevelDraft&) = delete;
    LevelDraft& operator=(const LevelDraft&) = delete;

    // The closed outer ring of wall with corridor everywhere inside.
    static Field newLevel();

    const Field& grid() const { return grid_; }
    const LevelCheck& check() const { return check_; }
    const CellMarks& reachable() const { return reachable_; }

    // Strokes paint their cells' mirror images too.
    void setMirror(Mirror mirror) { mirror_ = mirror; }
    Mirror mirror() const { return mirror_; }

    // A stroke shows on the grid as it goes and becomes one step of the
    // history when it ends; a stroke that changed nothing leaves no step.
    void beginStroke(Integer code);
    void addToStroke(const Cells& cells);    // the pen: cells gather
    void reshapeStroke(const Cells& cells);  // line and rectangle: exactly these cells
    void endStroke(const QString& name);
    void cancelStroke();                     // the grid as before the stroke
    bool inStroke() const { return stroking_; }
    // A whole stroke at once: begin, add, end.
    void paint(const Cells& cells, Integer code, const QString& name);

    // Another grid as one step (a random maze, an import).
    void replace(const Field& grid, const QString& name);
    // A level opened or begun: no history, nothing unsaved.
    void reset(const Field& grid);

    void undo();
    void redo();
    QUndoStack& history() { return history_; }
    bool modified() const { return !history_.isClean(); }
    void markSaved() { history_.setClean(); }

    struct Change {
        QPoint cell;
        Integer before, after;
    };
    // For the history's steps: sets each change's `after` (or `before`).
    void apply(const std::vector<Change>& changes, bool forward);

private:
    void set(QPoint cell, Integer code);
    void recheck();

    Field grid_;
    LevelCheck check_;
    CellMarks reachable_{};
    Mirror mirror_ = Mirror::none;
    QUndoStack history_;

    bool stroking_ = false;
    Integer strokeCode_ = cell::kWall;
    Field beforeStroke_;
    CellMarks touched_{};
    Cells touchedList_;
};

}  // namespace krivol

#include "editor/level_draft.h"

#include <QUndoCommand>
#include <memory>

namespace krivol {

namespace {

// One step of the history: the cells a stroke changed, before and after.
class CellsCommand : public QUndoCommand {
public:
    CellsCommand(LevelDraft& draft, std::vector<LevelDraft::Change> changes, const QString& name, bool applied)
        : QUndoCommand(name), draft_(draft), changes_(std::move(changes)), skipRedo_(applied) {}
    void redo() override {
        // A stroke is already on the grid when it becomes a step.
        if (!skipRedo_) draft_.apply(changes_, true);
        skipRedo_ = false;
    }
    void undo() override { draft_.apply(changes_, false); }

private:
    LevelDraft& draft_;
    std::vector<LevelDraft::Change> changes_;
    bool skipRedo_;
};

}  // namespace

LevelDraft::LevelDraft() { reset(newLevel()); }

Field LevelDraft::newLevel() {
    Field FLD;
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) {
            const bool ring = x == 1 || y == 1 || x == kGridMax || y == kGridMax;
            FLD.set(x, y, ring ? cell::kWall : cell::kDot);
        }
    return FLD;
}

void LevelDraft::beginStroke(Integer code) {
    if (stroking_) endStroke(QString());
    stroking_ = true;
    strokeCode_ = code;
    beforeStroke_ = grid_;
    touched_ = {};
    touchedList_.clear();
}

void LevelDraft::addToStroke(const Cells& cells) {
    if (!stroking_) return;
    for (const QPoint& c : withMirrorImages(cells, mirror_)) {
        if (!touched_[c.x()][c.y()]) touchedList_.push_back(c);
        touched_[c.x()][c.y()] = true;
        set(c, strokeCode_);
    }
    recheck();
}

void LevelDraft::reshapeStroke(const Cells& cells) {
    if (!stroking_) return;
    for (const QPoint& c : touchedList_) {
        touched_[c.x()][c.y()] = false;
        set(c, beforeStroke_(c.x(), c.y()));
    }
    touchedList_.clear();
    addToStroke(cells);
}

void LevelDraft::endStroke(const QString& name) {
    if (!stroking_) return;
    stroking_ = false;
    std::vector<Change> changes;
    for (const QPoint& c : touchedList_) {
        const Integer before = beforeStroke_(c.x(), c.y()), after = grid_(c.x(), c.y());
        if (before != after) changes.push_back({c, before, after});
    }
    touchedList_.clear();
    if (!changes.empty()) history_.push(std::make_unique<CellsCommand>(*this, std::move(changes), name, true).release());  // the stack owns it
}

void LevelDraft::cancelStroke() {
    if (!stroking_) return;
    reshapeStroke({});
    stroking_ = false;
}

void LevelDraft::paint(const Cells& cells, Integer code, const QString& name) {
    beginStroke(code);
    addToStroke(cells);
    endStroke(name);
}

void LevelDraft::replace(const Field& grid, const QString& name) {
    if (stroking_) endStroke(QString());
    std::vector<Change> changes;
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y)
            if (grid_(x, y) != grid(x, y)) changes.push_back({QPoint(x, y), grid_(x, y), grid(x, y)});
    if (!changes.empty()) history_.push(std::make_unique<CellsCommand>(*this, std::move(changes), name, false).release());
}

void LevelDraft::reset(const Field& grid) {
    stroking_ = false;
    touchedList_.clear();
    history_.clear();
    grid_ = Field();
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) grid_.set(x, y, grid(x, y));
    recheck();
}

void LevelDraft::undo() {
    endStroke(QString());
    history_.undo();
}

void LevelDraft::redo() {
    endStroke(QString());
    history_.redo();
}

void LevelDraft::apply(const std::vector<Change>& changes, bool forward) {
    for (const Change& c : changes) set(c.cell, forward ? c.after : c.before);
    recheck();
}

void LevelDraft::set(QPoint cell, Integer code) { grid_.set(cell.x(), cell.y(), code); }

void LevelDraft::recheck() {
    check_ = checkLevel(grid_);
    reachable_ = reachableFromStart(grid_);
}

}  // namespace krivol

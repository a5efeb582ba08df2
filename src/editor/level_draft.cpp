#include "editor/level_draft.h"

#include <QUndoCommand>
#include <memory>

namespace krivol {

// One step of the history: the cells it changed, before and after.
class LevelDraft::Step : public QUndoCommand {
public:
    Step(LevelDraft& draft, std::vector<Change> changes, const QString& name, bool applied)
        : QUndoCommand(name), draft_(draft), changes_(std::move(changes)), skipRedo_(applied) {}
    void redo() override {
        // A stroke is already on the grid when it becomes a step.
        if (!skipRedo_) draft_.stepped(changes_, true);
        skipRedo_ = false;
    }
    void undo() override { draft_.stepped(changes_, false); }
    // A stroke under way keeps its step up to date.
    void setChanges(std::vector<Change> changes) { changes_ = std::move(changes); }
    bool empty() const { return changes_.empty(); }

private:
    LevelDraft& draft_;
    std::vector<Change> changes_;
    bool skipRedo_;
};

// Our calls nest; the outermost tells the observers, once, if anything changed.
class LevelDraft::Batch {
public:
    explicit Batch(LevelDraft& draft) : draft_(draft) { ++draft_.busy_; }
    ~Batch() {
        if (--draft_.busy_ == 0 && draft_.dirty_) draft_.notify();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    LevelDraft& draft_;
};

LevelDraft::LevelDraft() {
    // The history's own undo and redo actions come in here too.
    QObject::connect(&history_, &QUndoStack::indexChanged, &history_, [this] {
        dirty_ = true;
        if (busy_ == 0) notify();
    });
    reset(newLevel());
}

LevelDraft::~LevelDraft() {
    // The history empties itself as it goes, and would tell a draft half gone.
    QObject::disconnect(&history_, nullptr, nullptr, nullptr);
}

Field LevelDraft::newLevel() {
    Field FLD;
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) {
            const bool ring = x == 1 || y == 1 || x == kGridMax || y == kGridMax;
            FLD.set(x, y, ring ? cell::kWall : cell::kDot);
        }
    return FLD;
}

void LevelDraft::observe(QObject* context, std::function<void()> observer) const {
    observers_.emplace_back(context, std::move(observer));
}

void LevelDraft::notify() {
    dirty_ = false;
    std::erase_if(observers_, [](const auto& o) { return o.first.isNull(); });
    for (size_t i = 0; i < observers_.size(); ++i)
        if (!observers_[i].first.isNull()) observers_[i].second();
}

std::optional<StrokeInput> LevelDraft::stroke() const {
    if (!stroke_) return std::nullopt;
    return stroke_->input;
}

void LevelDraft::beginStroke(Tool tool, Integer code, QPoint at, StrokeInput input) {
    Batch batch(*this);
    endStroke();
    if (!onField(at)) return;
    stroke_ = Stroke{.tool = tool, .code = code, .input = input, .anchor = at, .last = at, .before = grid_, .touched = {}, .touchedList = {}, .step = nullptr};
    dirty_ = true;
    strokeCells(toolCells(tool, grid_, at, at, mirror_), false);
    if (tool == Tool::fill) endStroke();
}

void LevelDraft::strokeTo(QPoint at) {
    if (!stroke_ || at == stroke_->last || !onField(at)) return;
    Batch batch(*this);
    const bool pen = stroke_->tool == Tool::pen;
    const QPoint from = pen ? stroke_->last : stroke_->anchor;
    stroke_->last = at;
    dirty_ = true;
    strokeCells(toolCells(stroke_->tool, grid_, from, at, mirror_), !pen);
}

void LevelDraft::strokeCells(const Cells& cells, bool reshape) {
    Stroke& s = *stroke_;
    if (reshape) {
        for (const QPoint& c : s.touchedList) {
            s.touched[c.x()][c.y()] = false;
            set(c, s.before(c.x(), c.y()));
        }
        s.touchedList.clear();
    }
    for (const QPoint& c : cells) {
        if (!s.touched[c.x()][c.y()]) s.touchedList.push_back(c);
        s.touched[c.x()][c.y()] = true;
        set(c, s.code);
    }
    recheck();
    std::vector<Change> changes;
    for (const QPoint& c : s.touchedList) {
        const Integer before = s.before(c.x(), c.y()), after = grid_(c.x(), c.y());
        if (before != after) changes.push_back({c, before, after});
    }
    if (s.step) {
        s.step->setChanges(std::move(changes));
    } else if (!changes.empty()) {
        auto step = std::make_unique<Step>(*this, std::move(changes), toolName(s.tool).toLower(), true);
        s.step = step.get();
        history_.push(step.release());  // the history owns it
    }
}

void LevelDraft::endStroke() {
    if (!stroke_) return;
    Batch batch(*this);
    Step* step = stroke_->step;
    stroke_.reset();
    dirty_ = true;
    // A shape dragged back to where it changes nothing: its step goes again.
    if (step && step->empty()) {
        step->setObsolete(true);
        history_.undo();
    }
}

void LevelDraft::paint(Tool tool, Integer code, QPoint from, QPoint to) {
    Batch batch(*this);
    beginStroke(tool, code, tool == Tool::fill ? to : from, StrokeInput::mouse);
    strokeTo(to);
    endStroke();
}

void LevelDraft::replace(const Field& grid, const QString& name) {
    Batch batch(*this);
    endStroke();
    std::vector<Change> changes;
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y)
            if (grid_(x, y) != grid(x, y)) changes.push_back({QPoint(x, y), grid_(x, y), grid(x, y)});
    if (!changes.empty()) history_.push(std::make_unique<Step>(*this, std::move(changes), name, false).release());
}

void LevelDraft::reset(const Field& grid) {
    Batch batch(*this);
    stroke_.reset();
    history_.clear();
    grid_ = Field();
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y) grid_.set(x, y, grid(x, y));
    recheck();
    dirty_ = true;
}

void LevelDraft::markSaved() {
    Batch batch(*this);
    endStroke();
    history_.setClean();
    dirty_ = true;
}

void LevelDraft::stepped(const std::vector<Change>& changes, bool forward) {
    // An undo or redo in the middle of a stroke ends it: whatever it changed
    // is in its step, the newest, so nothing of it is left behind.
    stroke_.reset();
    for (const Change& c : changes) set(c.cell, forward ? c.after : c.before);
    recheck();
}

void LevelDraft::set(QPoint cell, Integer code) {
    grid_.set(cell.x(), cell.y(), code);
    dirty_ = true;
}

void LevelDraft::recheck() {
    check_ = checkLevel(grid_);
    reachable_ = reachableFromStart(grid_);
}

}  // namespace krivol

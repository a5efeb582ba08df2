#include "shell/editor/editor_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "assets/pictures.h"
#include "render/surface_ops.h"
#include "render/tiles.h"

namespace krivol {

namespace {


// Filled edges, not a pen: a pen is centred on the line and smears half-pixels.
void frame(QPainter& p, const QRect& r, int width, const QColor& colour) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}

QRect cellRect(QPoint cell, int k) { return {(cell.x() - 1) * kCellSize * k, (cell.y() - 1) * kCellSize * k, kCellSize * k, kCellSize * k}; }

QPoint clamped(QPoint c) { return {std::clamp(c.x(), 1, kGridMax), std::clamp(c.y(), 1, kGridMax)}; }

}  // namespace

EditorCanvas::EditorCanvas(LevelDraft& draft, QWidget* parent)
    : QWidget(parent),
      draft_(draft),
      strip_(assets::tileStrip()),
      hero_(assets::heroSprite()),
      mask_(assets::spriteMask()),
      field_(makeSurface(kFieldPixels, kFieldPixels, 0xFFFFFFFFu)) {
    setObjectName(QStringLiteral("editorCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    fitSize();
    draft_.observe(this, [this] {
        fieldStale_ = true;
        update();
    });
}

void EditorCanvas::setTool(Tool tool) {
    tool_ = tool;
    keyAnchor_.reset();
    update();
}

void EditorCanvas::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, 4);
    fitSize();
    update();
}

int EditorCanvas::pixelScale() const { return std::max(1, static_cast<int>(std::lround(zoom_ * devicePixelRatioF()))); }

void EditorCanvas::fitSize() {
    const int side = static_cast<int>(std::ceil(kFieldPixels * pixelScale() / devicePixelRatioF()));
    if (size() != QSize(side, side)) setFixedSize(side, side);
}

QPoint EditorCanvas::cellAt(QPointF pos) const {
    const double gamePixels = kCellSize * pixelScale() / devicePixelRatioF();  // one cell, in widget units
    return {static_cast<int>(std::floor(pos.x() / gamePixels)) + 1, static_cast<int>(std::floor(pos.y() / gamePixels)) + 1};
}

void EditorCanvas::setCursorCell(QPoint cell) {
    if (cell == cursor_) return;
    cursor_ = cell;
    if (cursorMoved) cursorMoved();
    update();
}

// ---- the mouse: the left button paints the chosen kind, the right one floor ----

void EditorCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position());
    const bool right = event->button() == Qt::RightButton;
    if (!onField(cell) || strokeBy(StrokeInput::mouse) || (!right && event->button() != Qt::LeftButton)) return;
    keyAnchor_.reset();
    setCursorCell(cell);
    draft_.beginStroke(tool_, right ? cell::kFloor : cellCode(kind_), cell, StrokeInput::mouse);
}

void EditorCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position());
    if (strokeBy(StrokeInput::mouse) && (event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
        setCursorCell(clamped(cell));
        draft_.strokeTo(cursor_);
    } else if (onField(cell) && !strokeBy(StrokeInput::keys)) {
        setCursorCell(cell);
    }
}

void EditorCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!strokeBy(StrokeInput::mouse)) return;
    setCursorCell(clamped(cellAt(event->position())));
    draft_.strokeTo(cursor_);
    draft_.endStroke();
}

// ---- the keyboard: arrows move the cursor, Shift+arrows paint, Space applies the tool ----

void EditorCanvas::moveCursor(QPoint step, bool painting) {
    if (!painting) draft_.endStroke();
    if (strokeBy(StrokeInput::mouse)) return;
    if (painting && !strokeBy(StrokeInput::keys)) draft_.beginStroke(Tool::pen, cellCode(kind_), cursor_, StrokeInput::keys);
    setCursorCell(clamped(cursor_ + step));
    if (painting) draft_.strokeTo(cursor_);
}

void EditorCanvas::spaceAt(QPoint cell) {
    const Integer code = cellCode(kind_);
    if (tool_ == Tool::pen || tool_ == Tool::fill) {
        draft_.paint(tool_, code, cell, cell);
    } else if (!keyAnchor_) {
        keyAnchor_ = cell;  // the shape's first corner; the second Space draws it
        update();
    } else {
        draft_.paint(tool_, code, *keyAnchor_, cell);
        keyAnchor_.reset();
    }
}

void EditorCanvas::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    case Qt::Key_Space:
        if (!plain || event->isAutoRepeat()) break;
        draft_.endStroke();
        spaceAt(cursor_);
        return;
    case Qt::Key_Escape:
        if (!keyAnchor_) break;
        keyAnchor_.reset();
        update();
        return;
    default: break;
    }
    if (step.isNull() || !plain) {
        QWidget::keyPressEvent(event);
        return;
    }
    moveCursor(step, shift);
}

void EditorCanvas::keyReleaseEvent(QKeyEvent* event) {
    // A run of Shift+arrows is one stroke: it ends with the Shift key.
    if (event->key() == Qt::Key_Shift && !event->isAutoRepeat() && strokeBy(StrokeInput::keys)) draft_.endStroke();
    QWidget::keyReleaseEvent(event);
}

void EditorCanvas::focusOutEvent(QFocusEvent* event) {
    if (strokeBy(StrokeInput::keys)) draft_.endStroke();
    QWidget::focusOutEvent(event);
}

// ---- drawing ----

void EditorCanvas::drawField() {
    drawCells(field_, strip_, draft_.grid(), kCellSize);
    // The hero where every round puts it, drawn the way the game draws it.
    const QPoint at = cellRect(kHeroStartCell, 1).topLeft();
    BitBlt(field_, at.x(), at.y(), kCellSize, kCellSize, mask_, 0, 0, Rop::SRCAND);
    BitBlt(field_, at.x(), at.y(), kCellSize, kCellSize, hero_, 0, 0, Rop::SRCPAINT);
    fieldStale_ = false;
}

void EditorCanvas::drawMarks(QImage& image, int k) const {
    QPainter p(&image);
    const LevelCheck& check = draft_.check();
    for (int x = 1; x <= kGridMax; ++x)
        for (int y = 1; y <= kGridMax; ++y)
            if (draft_.grid()(x, y) == cell::kDot && !draft_.reachable()[x][y])
                p.fillRect(cellRect({x, y}, k), QColor(0, 0, 96, 150));
    for (const QPoint& c : check.openings) {
        p.fillRect(cellRect(c, k), QColor(255, 0, 0, 140));
        frame(p, cellRect(c, k), k, QColor(200, 0, 0));
    }
    if (check.startIsWall) frame(p, cellRect(kHeroStartCell, k).adjusted(-k, -k, k, k), 2 * k, QColor(255, 140, 0));
    if (keyAnchor_) frame(p, cellRect(*keyAnchor_, k), 2 * k, QColor(0, 170, 255));
    const QRect c = cellRect(cursor_, k);
    frame(p, c, k, Qt::black);
    frame(p, c.adjusted(k, k, -k, -k), k, QColor(255, 220, 0));
}

void EditorCanvas::paintEvent(QPaintEvent*) {
    fitSize();
    if (fieldStale_) drawField();
    const int k = pixelScale();
    QImage shown = field_.scaled(kFieldPixels * k, kFieldPixels * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    drawMarks(shown, k);
    shown.setDevicePixelRatio(devicePixelRatioF());
    QPainter p(this);
    p.drawImage(QPointF(0, 0), shown);
}

}  // namespace krivol

#pragma once
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "editor/level_draft.h"

namespace krivol {

// The level as the game draws it, with the check's marks and a cell cursor.
// Turns the mouse and the keys into strokes of the draft, and repaints when
// the draft says it changed; holds no cells and no stroke.
class EditorCanvas : public QWidget {
public:
    EditorCanvas(LevelDraft& draft, QWidget* parent);

    void setTool(Tool tool);
    void setKind(CellKind kind) { kind_ = kind; }
    // Game pixels per screen pixel before the screen's own scale: 1 to 4.
    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    QPoint cursorCell() const { return cursor_; }
    // Device pixels a game pixel takes: always whole, so every pixel is an equal square.
    int pixelScale() const;

    std::function<void()> cursorMoved;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPoint cellAt(QPointF pos) const;
    bool strokeBy(StrokeInput input) const { return draft_.stroke() == input; }
    void setCursorCell(QPoint cell);
    void moveCursor(QPoint step, bool painting);
    void spaceAt(QPoint cell);
    void fitSize();
    void drawField();
    void drawMarks(QImage& image, int k) const;

    LevelDraft& draft_;
    QImage strip_, hero_, mask_;
    QImage field_;  // 600 x 600 game pixels
    bool fieldStale_ = true;
    Tool tool_ = Tool::pen;
    CellKind kind_ = CellKind::wall;
    int zoom_ = 1;
    QPoint cursor_ = kHeroStartCell;
    std::optional<QPoint> keyAnchor_;  // a shape's first corner, set by Space
};

}  // namespace krivol

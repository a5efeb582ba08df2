#pragma once
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "editor/level_draft.h"

namespace krivol {

enum class Tool { pen, line, rectangle, filledRectangle, fill };

// The level as the game draws it, with the check's marks and a cell cursor.
// Turns the mouse and the keys into strokes of the draft; holds no cells.
class EditorCanvas : public QWidget {
public:
    EditorCanvas(LevelDraft& draft, QWidget* parent);

    void setTool(Tool tool);
    Tool tool() const { return tool_; }
    void setKind(CellKind kind) { kind_ = kind; }
    CellKind kind() const { return kind_; }
    // Game pixels per screen pixel before the screen's own scale: 1 to 4.
    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    QPoint cursorCell() const { return cursor_; }
    std::optional<QPoint> shapeAnchor() const { return keyAnchor_; }
    // Device pixels a game pixel takes: always whole, so every pixel is an equal square.
    int pixelScale() const;

    // The draft changed outside the canvas (undo, a file, a random maze).
    void draftChanged();
    // Ends a stroke in progress, as before an undo or a save.
    void finishStroke();

    std::function<void()> edited;       // the canvas changed the draft
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
    Cells shape(QPoint from, QPoint to) const;
    QString strokeName() const;
    void pressAt(QPoint cell, Integer code);
    void dragTo(QPoint cell);
    void moveCursor(QPoint step, bool painting);
    void spaceAt(QPoint cell);
    void fitSize();
    void changedHere();
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
    bool dragging_ = false;
    QPoint anchor_, last_;
    bool keyStroke_ = false;
    std::optional<QPoint> keyAnchor_;
};

}  // namespace krivol

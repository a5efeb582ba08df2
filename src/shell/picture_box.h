#pragma once
#include <QImage>
#include <QWidget>

namespace krivol {

// A picture box: shows its persistent image pixel for pixel, optionally
// inside a one-pixel border. The image belongs to the game's Surfaces and is
// drawn into by the game; the box only shows it when told what changed.
class PictureBox : public QWidget {
public:
    PictureBox(const QImage& image, bool bordered, QWidget* parent);

    // Repaint the pixels of `imageRect` (image coordinates) on the next paint.
    void refreshRect(const QRect& imageRect);
    void refreshAll() { update(); }

    int borderWidth() const { return border_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& image_;
    int border_;
};

}  // namespace krivol

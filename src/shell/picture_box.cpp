#include "shell/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace krivol {

PictureBox::PictureBox(const QImage& image, bool bordered, QWidget* parent)
    : QWidget(parent), image_(image), border_(bordered ? 1 : 0) {
    // Every pixel is painted from the image, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize PictureBox::sizeHint() const { return image_.size() + QSize(2 * border_, 2 * border_); }

void PictureBox::refreshRect(const QRect& imageRect) {
    update(imageRect.translated(border_, border_));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // No smoothing: on a scaled screen each image pixel becomes a crisp block.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect interior = rect().adjusted(border_, border_, -border_, -border_);
    const QRect shown = QRect(interior.topLeft(), image_.size()) & interior;
    for (const QRect& r : event->region()) {
        const QRect part = r & shown;
        if (!part.isEmpty()) p.drawImage(part, image_, part.translated(-border_, -border_));
        // A box larger than its image shows black where the image ends.
        if (shown != interior) {
            for (const QRect& rest : QRegion(r & interior).subtracted(shown)) p.fillRect(rest, Qt::black);
        }
    }
    if (border_ > 0 && !interior.contains(event->rect())) {
        // Filled edges rather than a pen: a pen line on a scaled screen
        // lands half a pixel inside and covers the image's last column.
        const int w = width(), h = height();
        for (const QRect& edge : {QRect(0, 0, w, border_), QRect(0, h - border_, w, border_), QRect(0, 0, border_, h),
                                  QRect(w - border_, 0, border_, h)})
            p.fillRect(edge, Qt::black);
    }
}

}  // namespace krivol

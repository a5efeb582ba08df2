#include "cli/video/video_picture.h"

#include <QPainter>

#include "render/fonts.h"
#include "render/surfaces.h"

namespace krivol {

namespace {

constexpr int kBarHeight = 34;
// In the bar, the boxes at the sizes the window gives them.
constexpr QRect kScoreBox{60, 4, 89, 26};
constexpr QRect kShotsBox{525, 4, 67, 26};

// A one-pixel frame: `dark` at the top and left, `light` at the bottom and right.
void bevel(QPainter& p, const QRect& r, const QColor& dark, const QColor& light) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), dark);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), dark);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
}

void drawCounter(QPainter& p, const QRect& box, const QColor& paper, const QColor& ink, Qt::Alignment align,
                 const QString& text) {
    p.fillRect(box, paper);
    bevel(p, box, QColor(0xA0, 0xA0, 0xA0), Qt::white);
    p.setPen(ink);
    p.setFont(counterFont());
    p.drawText(box.adjusted(3, 1, -3, -1), align | Qt::AlignVCenter, text);
}

QImage emptyBar() {
    QImage bar(VideoPicture::kField.width(), kBarHeight, QImage::Format_RGB32);
    bar.fill(kButtonFace);
    QPainter p(&bar);
    p.setPen(Qt::black);
    p.setFont(headingFont());
    p.drawText(QRect(8, 0, kScoreBox.left() - 12, kBarHeight), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Очки"));
    p.setFont(captionFont());
    p.drawText(QRect(kScoreBox.right() + 8, 0, kShotsBox.left() - kScoreBox.right() - 14, kBarHeight),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Патронов"));
    return bar;
}

}  // namespace

VideoPicture::VideoPicture()
    : bar_(emptyBar()), picture_(kField.width(), kField.height() + kBarHeight, QImage::Format_RGB32) {
    picture_.fill(kButtonFace);
}

const QImage& VideoPicture::compose(const QImage& Pic1, const QString& score, const QString& shots) {
    QPainter p(&picture_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(kField.topLeft(), Pic1);
    if (score == score_ && shots == shots_) return picture_;
    // Text is the dearest part of a picture; most pictures keep the last numbers.
    score_ = score;
    shots_ = shots;
    p.drawImage(0, kField.bottom() + 1, bar_);
    p.translate(0, kField.bottom() + 1);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawCounter(p, kScoreBox, Qt::white, QColor(192, 0, 192), Qt::AlignHCenter, score);
    drawCounter(p, kShotsBox, QColor(kButtonFace), Qt::black, Qt::AlignRight, shots);
    return picture_;
}

QImage VideoPicture::withBox(const QString& text) const {
    QImage picture = picture_.copy();
    QPainter p(&picture);
    const QRect box(kField.center().x() - 110, kField.center().y() - 60, 220, 120);
    p.fillRect(box, QColor(kButtonFace));
    bevel(p, box, Qt::white, QColor(0x40, 0x40, 0x40));
    const QRect title(box.left() + 2, box.top() + 2, box.width() - 4, 18);
    p.fillRect(title, QColor(0, 0, 128));
    p.setPen(Qt::white);
    QFont titleFont = captionFont();
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.drawText(title.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("krivol"));
    p.setPen(Qt::black);
    p.setFont(captionFont());
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    p.drawText(box.adjusted(8, 24, -8, -34), Qt::AlignCenter, shown);
    const QRect ok(box.center().x() - 37, box.bottom() - 30, 75, 23);
    bevel(p, ok, Qt::white, QColor(0x40, 0x40, 0x40));
    p.drawText(ok, Qt::AlignCenter, QStringLiteral("OK"));
    return picture;
}

QImage VideoPicture::withCaption(const QString& caption) const {
    QImage picture = picture_.copy();
    QPainter p(&picture);
    const QRect band(kField.left(), kField.center().y() - 20, kField.width(), 40);
    p.fillRect(band, QColor(kButtonFace));
    bevel(p, band, Qt::white, QColor(0x40, 0x40, 0x40));
    p.setPen(Qt::black);
    p.setFont(headingFont());
    p.drawText(band, Qt::AlignCenter, caption);
    return picture;
}

}  // namespace krivol

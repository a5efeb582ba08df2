#include "cli/video/video_picture.h"

#include <QPainter>

#include "render/counter_look.h"
#include "render/end_box_look.h"
#include "render/fonts.h"
#include "render/surfaces.h"

namespace krivol {

namespace {

constexpr int kBarHeight = 34;
// In the bar, where the boxes stand.
constexpr QPoint kScoreAt{60, 4};
constexpr QPoint kShotsAt{525, 4};

QImage emptyBar() {
    QImage bar(VideoPicture::kField.width(), kBarHeight, QImage::Format_RGB32);
    bar.fill(kButtonFace);
    QPainter p(&bar);
    p.setPen(Qt::black);
    const CounterLook score = scoreLook(), shots = shotsLook();
    const QRect scoreBox(kScoreAt, score.box);
    p.setFont(score.captionFont);
    p.drawText(QRect(8, 0, scoreBox.left() - 12, kBarHeight), Qt::AlignRight | Qt::AlignVCenter, score.caption);
    p.setFont(shots.captionFont);
    p.drawText(QRect(scoreBox.right() + 8, 0, kShotsAt.x() - scoreBox.right() - 14, kBarHeight),
               Qt::AlignRight | Qt::AlignVCenter, shots.caption);
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
    const CounterLook scoreBox = scoreLook(), shotsBox = shotsLook();
    drawCounter(p, QRect(kScoreAt, scoreBox.box), scoreBox, score);
    drawCounter(p, QRect(kShotsAt, shotsBox.box), shotsBox, shots);
    return picture_;
}

QImage VideoPicture::withBox(const QString& text) const { return withEndBox(picture_, kField.center(), text); }

QImage VideoPicture::withCaption(const QString& caption) const {
    QImage picture = picture_.copy();
    QPainter p(&picture);
    const QRect band(kField.left(), kField.center().y() - 20, kField.width(), 40);
    p.fillRect(band, QColor(kButtonFace));
    drawBevel(p, band, Qt::white, QColor(0x40, 0x40, 0x40));
    p.setPen(Qt::black);
    p.setFont(headingFont());
    p.drawText(band, Qt::AlignCenter, caption);
    return picture;
}

}  // namespace krivol

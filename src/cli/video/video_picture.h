#pragma once
#include <QImage>
#include <QRect>
#include <QString>

namespace krivol {

// One picture of the video at the window's own pixel size: the field as Pic1
// holds it and, in a bar under it, the score and the shots left in the
// window's boxes and fonts.
class VideoPicture {
public:
    VideoPicture();

    static constexpr QRect kField{0, 0, 600, 600};
    QSize size() const { return picture_.size(); }  // even both ways

    const QImage& compose(const QImage& Pic1, const QString& score, const QString& shots);
    const QImage& current() const { return picture_; }
    // The last picture composed, under an end box with `text`.
    QImage withBox(const QString& text) const;
    // The last picture composed, under a caption across the field.
    QImage withCaption(const QString& caption) const;

private:
    QImage bar_;      // the bar without its numbers
    QImage picture_;  // the picture being made
    QString score_, shots_;  // the numbers it shows; none at first
};

}  // namespace krivol

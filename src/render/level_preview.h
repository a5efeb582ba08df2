#pragma once
#include <QImage>

#include "state/level.h"

namespace krivol {

// Shows a picture in the 52 x 52 preview box: black background, picture at
// the top-left corner, unscaled.
void putInPicLOAD(QImage& PicLOAD, const QImage& picture);

// The pixel rule: FLD cleared, then exact black -> wall, exact white -> dot,
// anything else floor, read with GetPixel from PicLOAD through COL.
void readLevel(Field& FLD, Long& COL, const QImage& PicLOAD);

// A level file as the preview shows it and a round reads it: the picture put
// in PicLOAD, its grid read through PicLOAD and checked.
struct LevelReading {
    LevelPicture picture;
    Field FLD;
    LevelCheck check;  // meaningful once the picture is ok
    bool playable() const { return picture.ok() && check.playable(); }
    QString error() const;  // "<file>: <reason>" in English; empty when playable
};
LevelReading readLevelFile(const QString& path, QImage& PicLOAD, Long& COL);
// The same through a preview box of its own, for tools that show no preview.
LevelReading readLevelFile(const QString& path);

}  // namespace krivol

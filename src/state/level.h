#pragma once
#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

#include "state/field.h"
#include "state/types.h"

namespace krivol {

// "<folder>/KRIVOL" + N_KRI with at least two digits + ".BMP".
QString levelPath(const QString& folder, int N_KRI);

// A decoded level picture (RGB32), or why it could not be had.
struct LevelPicture {
    QImage image;
    QString error;  // names the file and the reason; empty when image is good
    bool ok() const { return error.isEmpty(); }
};

// Never throws; a missing, empty, truncated or non-picture file gives an error.
LevelPicture loadLevelPicture(const QString& path);

// Shows a picture in the 52 x 52 preview box: black background, picture at
// the top-left corner, unscaled.
void putInPicLOAD(QImage& PicLOAD, const QImage& picture);

// The pixel rule: FLD cleared, then exact black -> wall, exact white -> dot,
// anything else floor, read with GetPixel from PicLOAD through COL.
void readLevel(Field& FLD, Long& COL, const QImage& PicLOAD);

// Whether a level can be played.
struct LevelCheck {
    int dots = 0;                 // dot cells within columns and rows 2..49
    std::vector<QPoint> openings; // walkable cells on the border ring
    bool startIsWall = false;     // hero start cell (24, 27)
    bool playable() const { return dots >= 22 && openings.empty(); }
    QString reason() const;       // empty when playable
};
LevelCheck checkLevel(const Field& FLD);

}  // namespace krivol

#pragma once
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "state/field.h"
#include "state/level_pixels.h"
#include "state/level_problem.h"
#include "state/types.h"

namespace krivol {

// "KRIVOL" + N_KRI with at least two digits + ".BMP".
QString levelFileName(int N_KRI);
// "<folder>/" + levelFileName(N_KRI).
QString levelPath(const QString& folder, int N_KRI);

// A decoded level picture (RGB32), or why it could not be had.
struct LevelPicture {
    QString path;
    QImage image;
    LevelProblem problem;
    QString error;       // "<file>: <reason>" in English; empty when image is good
    QByteArray sha256;   // of the file's bytes, when read
    bool ok() const { return !problem; }
};

// Never throws, never blocks: a missing, special, empty, truncated or
// non-picture file gives a problem.
LevelPicture loadLevelPicture(const QString& path);
// The same for bytes already read; `path` names them and its suffix helps
// with formats that carry no signature.
LevelPicture decodeLevelPicture(QByteArray bytes, const QString& path);

// The cells the hero can walk to from its start cell (24, 27): through
// anything but wall, the start cell itself included even when it is one.
using CellMarks = std::array<std::array<bool, kGridMax + 1>, kGridMax + 1>;
CellMarks reachableFromStart(const Field& FLD);
constexpr QPoint kHeroStartCell{24, 27};
// Dot cells a level needs within columns and rows 2..49: 20 bonus items and 2 ammo items.
constexpr int kDotsNeeded = 22;

// Whether a level can be played, and what a level designer should know.
struct LevelCheck {
    int dots = 0;                  // dot cells within columns and rows 2..49
    std::vector<QPoint> openings;  // walkable cells on the border ring
    bool startIsWall = false;      // hero start cell (24, 27)
    int reachableDots = 0;         // dot cells the hero can walk to from the start
    int unreachableDots = 0;       // dot cells it cannot (sealed rooms)
    int whiteCells = 0;            // pure-white pixels among the 50 x 50
    QSize picture{50, 50};         // the size of the picture the grid came from
    NearColours near;              // pixels read as floor that were meant as wall or corridor
    bool playable() const { return dots >= kDotsNeeded && openings.empty() && reachableDots > 0; }
    QString reason() const;        // in English; empty when playable
    // What a designer should know even of a playable level: pixels nearly
    // black or white, a picture smaller than the field. In English.
    QStringList notes() const;
    bool smallerThanField() const { return picture.width() < kGridMax || picture.height() < kGridMax; }
};
LevelCheck checkLevel(const Field& FLD, QSize picture = {50, 50});

// A cell as "column 24, row 27": positions in messages say which is which.
QString cellName(QPoint cell);
// The first few openings of a border ring as "(1,2), (1,3)"; a reason names
// no more, the rest are counted.
constexpr int kOpeningsNamed = 5;
QString namedOpenings(const std::vector<QPoint>& openings);

}  // namespace krivol

#pragma once
#include <QString>

#include "state/field.h"

namespace krivol {

// A picture read for the editor, or in Russian why not.
struct OpenedLevel {
    bool ok = false;
    QString error;         // "<file>: <reason>" when not ok
    Field grid;            // exactly what a round would play
    QString note;          // what the reading left out or changed, when anything
    bool savesInPlace = false;  // a 50 x 50 BMP: saving writes the same kind of file
};

// By the game's own reader: the grid is what the game would play.
OpenedLevel openLevel(const QString& path);
// For photos and lossy pictures, whose colours are no longer exact: nearly
// black is wall, nearly white corridor, the rest empty floor; a picture
// larger than 50 x 50 is first scaled down to it.
OpenedLevel importLevel(const QString& path);
// Writes the grid as a 50 x 50 24-bit BMP, whole or not at all; an empty
// string, or in Russian why not.
QString saveLevel(const QString& path, const Field& grid);

}  // namespace krivol

#pragma once
#include <QString>
#include <array>
#include <string>

namespace krivol::test {

// A level drawn as characters, cells 1-based: 'X' wall (black), '.' dot
// (white), anything else empty floor (grey).
class LevelGrid {
public:
    // Border ring walls, everything inside a dot cell.
    static LevelGrid openRoom();
    // Walls everywhere: carve corridors with dots().
    static LevelGrid solid();

    LevelGrid& set(int x, int y, char c);
    LevelGrid& dots(int x0, int y0, int x1, int y1);  // inclusive rectangle
    LevelGrid& walls(int x0, int y0, int x1, int y1);
    char at(int x, int y) const { return rows_[static_cast<size_t>(y - 1)][static_cast<size_t>(x - 1)]; }

    // Saves as a 24-bit BMP; returns the path.
    QString save(const QString& path) const;

private:
    std::array<std::string, 50> rows_;
};

}  // namespace krivol::test

#include "support/level_grid.h"

#include <QImage>

namespace krivol::test {

LevelGrid LevelGrid::openRoom() {
    LevelGrid g = solid();
    return g.dots(2, 2, 49, 49);
}

LevelGrid LevelGrid::solid() {
    LevelGrid g;
    for (auto& row : g.rows_) row.assign(50, 'X');
    return g;
}

LevelGrid& LevelGrid::set(int x, int y, char c) {
    rows_[static_cast<size_t>(y - 1)][static_cast<size_t>(x - 1)] = c;
    return *this;
}

LevelGrid& LevelGrid::dots(int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) set(x, y, '.');
    return *this;
}

LevelGrid& LevelGrid::walls(int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) set(x, y, 'X');
    return *this;
}

QString LevelGrid::save(const QString& path) const {
    QImage image(50, 50, QImage::Format_RGB32);
    for (int y = 1; y <= 50; ++y) {
        for (int x = 1; x <= 50; ++x) {
            const char c = at(x, y);
            image.setPixel(x - 1, y - 1, c == 'X' ? 0xFF000000u : c == '.' ? 0xFFFFFFFFu : 0xFF808080u);
        }
    }
    image.save(path, "BMP");
    return path;
}

}  // namespace krivol::test

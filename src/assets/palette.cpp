#include "assets/palette.h"

#include <algorithm>
#include <array>

namespace krivol::assets {
namespace {

struct KeyEntry {
    char key;
    QRgb colour;
};

constexpr std::array<KeyEntry, 20> kColourKey{{
    {'.', qRgb(255, 255, 255)},  // white
    {'X', qRgb(0, 0, 0)},        // black
    {'s', qRgb(192, 192, 192)},  // light grey
    {'a', qRgb(128, 128, 128)},  // grey
    {'L', qRgb(217, 217, 255)},  // lavender
    {'b', qRgb(0, 128, 255)},    // azure
    {'B', qRgb(0, 0, 255)},      // blue
    {'M', qRgb(255, 0, 242)},    // magenta
    {'p', qRgb(255, 128, 255)},  // pink
    {'G', qRgb(0, 130, 0)},      // green
    {'D', qRgb(0, 64, 0)},       // dark green
    {'g', qRgb(0, 187, 0)},      // bright green
    {'N', qRgb(128, 64, 0)},     // brown
    {'T', qRgb(168, 112, 55)},   // tan
    {'Y', qRgb(255, 255, 0)},    // yellow
    {'o', qRgb(213, 213, 0)},    // olive yellow
    {'y', qRgb(255, 255, 128)},  // pale yellow
    {'R', qRgb(255, 0, 0)},      // red
    {'d', qRgb(128, 0, 0)},      // dark red
    {'O', qRgb(211, 114, 33)},   // orange
}};

bool gridFits(const QImage& target, int top, GridRows rows)
{
    if (rows.empty() || top < 0 || top + static_cast<int>(rows.size()) > target.height())
        return false;
    return std::ranges::all_of(rows, [&](std::string_view row) {
        return static_cast<int>(row.size()) == target.width()
            && std::ranges::all_of(row, [](char c) { return keyColour(c).has_value(); });
    });
}

}  // namespace

std::optional<QRgb> keyColour(char key)
{
    const auto entry = std::ranges::find(kColourKey, key, &KeyEntry::key);
    if (entry == kColourKey.end())
        return std::nullopt;
    return entry->colour;
}

bool paintGrid(QImage& target, int top, GridRows rows)
{
    // Checked in full first so that a bad grid never leaves half a picture behind.
    if (!gridFits(target, top, rows))
        return false;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x)
            target.setPixel(x, top + y, *keyColour(row[static_cast<std::size_t>(x)]));
    }
    return true;
}

QImage gridImage(GridRows rows, int height)
{
    if (rows.empty() || rows.front().empty() || height < static_cast<int>(rows.size()))
        return {};
    QImage image(static_cast<int>(rows.front().size()), height, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!paintGrid(image, 0, rows))
        return {};
    return image;
}

QImage gridImage(GridRows rows)
{
    return gridImage(rows, static_cast<int>(rows.size()));
}

}  // namespace krivol::assets

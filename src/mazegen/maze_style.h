#pragma once
#include <QString>
#include <array>
#include <optional>

namespace krivol {

// What a generated maze looks like. `mixed` stands for the shipped set's
// order: halls, then a classic maze, then galleries.
enum class MazeStyle { halls, classic, galleries, mixed };

constexpr std::array<MazeStyle, 4> kMazeStyles{MazeStyle::halls, MazeStyle::classic, MazeStyle::galleries,
                                               MazeStyle::mixed};

// The names the command line uses.
inline QString mazeStyleName(MazeStyle style) {
    switch (style) {
    case MazeStyle::halls: return QStringLiteral("halls");
    case MazeStyle::classic: return QStringLiteral("classic");
    case MazeStyle::galleries: return QStringLiteral("galleries");
    case MazeStyle::mixed: return QStringLiteral("mixed");
    }
    return {};
}

inline std::optional<MazeStyle> mazeStyleFromName(const QString& name) {
    for (MazeStyle style : kMazeStyles)
        if (name == mazeStyleName(style)) return style;
    return std::nullopt;
}

// The style of level `level` (1, 2, 3 ...) of a set made in `style`.
inline MazeStyle styleInSet(MazeStyle style, int level) {
    if (style != MazeStyle::mixed) return style;
    return kMazeStyles[static_cast<size_t>((level - 1) % 3)];
}

// The share of dead ends opened into loops when none is asked for: galleries
// keep more of theirs, so their walls stay long and few stand free.
constexpr int defaultLoopsPercent(MazeStyle style) { return style == MazeStyle::galleries ? 25 : 60; }

}  // namespace krivol

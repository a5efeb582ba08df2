#include "cli/round_list.h"

#include <QStringList>

namespace krivol {

namespace {

// A round number: digits only, from 1, and few enough to stay a number.
std::optional<int> roundNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 6) return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    const int n = text.toInt();
    return n >= 1 ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

std::optional<std::set<int>> parseRoundList(const QString& text) {
    std::set<int> rounds;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2) return std::nullopt;
        const std::optional<int> first = roundNumber(ends.first());
        const std::optional<int> last = roundNumber(ends.last());
        if (!first || !last || *last < *first) return std::nullopt;
        for (int r = *first; r <= *last; ++r) rounds.insert(r);
    }
    return rounds;
}

}  // namespace krivol

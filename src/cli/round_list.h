#pragma once
#include <QString>
#include <optional>
#include <set>

namespace krivol {

// The rounds of --rounds: "2,3", "2-3" or both ("1,3-5"), each from 1.
// Nothing for a list that does not read as one.
std::optional<std::set<int>> parseRoundList(const QString& text);

}  // namespace krivol

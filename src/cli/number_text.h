#pragma once
#include <QString>
#include <optional>

namespace krivol {

// A whole number written in `text` within [low, high], or nothing.
template <typename T>
std::optional<T> number(const QString& text, long long low, long long high) {
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return static_cast<T>(value);
}

}  // namespace krivol

#pragma once
#include <QRect>
#include <array>
#include <span>

namespace krivol {

// The rectangles of a surface that changed, so a restore or a repaint can stay
// with the pixels that moved. Fixed capacity (nothing allocated per tick);
// when it fills up it simply stands for the whole surface.
class Damage {
public:
    void add(const QRect& r) {
        if (all_ || r.isEmpty()) return;
        if (count_ == rects_.size()) {
            all_ = true;
            return;
        }
        rects_[count_++] = r;
    }
    void addAll() { all_ = true; }
    void clear() {
        count_ = 0;
        all_ = false;
    }
    bool all() const { return all_; }
    bool empty() const { return !all_ && count_ == 0; }
    std::span<const QRect> rects() const { return {rects_.data(), count_}; }

private:
    std::array<QRect, 256> rects_{};
    size_t count_ = 0;
    bool all_ = false;
};

}  // namespace krivol

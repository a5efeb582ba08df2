#pragma once
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace krivol {

// One preloaded sound that can be started and cut off without waiting.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void start() = 0;  // from the beginning, in the background
    virtual void stop() = 0;
};

// Keeps at most one voice sounding: every request cuts off the current one first,
// so the newest request always wins, even when it names nothing playable.
class SoundSwitch {
public:
    void add(const QString& name, std::unique_ptr<Voice> voice);
    void request(const QString& name);

private:
    Voice* find(const QString& name) const;

    std::vector<std::pair<QString, std::unique_ptr<Voice>>> voices_;
    Voice* current_ = nullptr;
};

}  // namespace krivol

#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "replay/replay_reader.h"

namespace krivol {

class Form1;
class ReplayDirector;
class ReplayRecorder;

// --record FILE or --replay FILE of the game's command line, wired to the window.
class ReplayHookup {
public:
    // A recording to replay is read at once: it holds the seed.
    ReplayHookup(QString recordPath, QString replayPath);
    ~ReplayHookup();
    ReplayHookup(const ReplayHookup&) = delete;
    ReplayHookup& operator=(const ReplayHookup&) = delete;

    std::optional<std::uint32_t> seed() const;
    void attach(Form1& form, std::uint32_t seed);
    // Once the window is shown.
    void begin();

private:
    QString recordPath_, replayPath_;
    ReplayReading reading_;
    std::unique_ptr<ReplayRecorder> recorder_;
    std::unique_ptr<ReplayDirector> director_;
};

}  // namespace krivol

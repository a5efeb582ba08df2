#pragma once
#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>

#include "replay/record.h"
#include "replay/session_clock.h"
#include "shell/game_watcher.h"
#include "shell/last_words.h"

namespace krivol {

// krivol --record FILE: writes the session down as it happens, each line in
// one write straight to the file, so a crash cuts at most the last line; each
// round's end and the close reach the disk, so a power cut keeps every
// finished round. However the program ends (see LastWords) a round in play
// ends as `closed`. A file that cannot be written is reported once, through
// `report`, in Russian; the game goes on unrecorded.
class ReplayRecorder : public GameWatcher {
public:
    ReplayRecorder(const QString& path, std::uint32_t seed, const GameState& s,
                   std::function<void(const QString&)> report);
    ~ReplayRecorder() override;
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;

    bool recording() const { return ok_; }

    void keyHandled(bool down, Integer code) override;
    void levelChosen(int index) override;
    void roundStarted(const LevelReading& level) override;
    void tickPlayed(RoundEnd end) override;
    void windowClosing() override;

private:
    Record at(Record::Kind kind, int value = 0) const;
    void writeEnd(Outcome outcome);
    void put(const QByteArray& bytes);
    void sync();
    void close();

    QString path_;
    const GameState& s_;
    std::function<void(const QString&)> report_;
    QFile file_;
    SessionClock clock_;
    // As of the last tick: a late close may come when the game is gone.
    Long score_ = 0;
    bool ok_ = true;
    LastWords closing_{[this] { close(); }};
};

}  // namespace krivol

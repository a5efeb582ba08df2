#pragma once
#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>

#include "replay/record.h"
#include "replay/session_clock.h"
#include "shell/game_watcher.h"

namespace krivol {

// krivol --record FILE: writes the session down as it happens, one line at
// a time straight to the file, so a close or a kill loses nothing written
// before it. A file that cannot be written is reported once, through
// `report`, in Russian; the game goes on unrecorded.
class ReplayRecorder : public GameWatcher {
public:
    ReplayRecorder(const QString& path, std::uint32_t seed, const GameState& s,
                   std::function<void(const QString&)> report);

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

    QString path_;
    const GameState& s_;
    std::function<void(const QString&)> report_;
    QFile file_;
    SessionClock clock_;
    bool ok_ = true;
};

}  // namespace krivol

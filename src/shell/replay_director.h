#pragma once
#include <QString>
#include <QTimer>

#include "replay/replay_reader.h"
#include "replay/session_clock.h"
#include "shell/game_watcher.h"

namespace krivol {

class Form1;

// krivol --replay FILE: plays a recording back in the window at the game's
// own pace. The player's keys, level options and Старт do nothing; level
// choices, Start presses and keys come from the file, each in the tick it
// was recorded for. After an end box's OK the next Start follows a short
// pause, so the level choice can be seen. At the end the window stays open,
// idle, saying so at the bottom of the left strip.
class ReplayDirector : public GameWatcher {
public:
    ReplayDirector(Form1& form, ReplayReading reading, QString file, int pauseMs = 1000);

    // Once the window is shown.
    void begin();
    bool done() const { return done_; }

    void roundStarted(const LevelReading& level) override;
    void beforeTick() override;
    void tickPlayed(RoundEnd end) override;
    void roundFinished() override;

private:
    void goOnIdle();
    void startRecordedRound();
    void apply(const Record& r);
    // Whether the running round has played all the recording knows of it.
    bool pastRecordedTicks() const;
    void endRecordedRound(RoundEnd end);
    void finish(const QString& note, bool trouble, const QString& box = {});

    Form1& form_;
    ReplayReading reading_;
    const std::vector<Record>& records_;
    QString file_;
    size_t next_ = 0;
    SessionClock clock_;
    const Record* end_ = nullptr;  // of the running round, when the file has it
    QTimer startTimer_;
    bool done_ = false;
};

}  // namespace krivol

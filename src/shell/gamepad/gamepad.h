#pragma once
#include <QObject>
#include <QTimer>
#include <array>
#include <memory>

#include "shell/game_watcher.h"
#include "shell/gamepad/pad_held.h"
#include "shell/gamepad/pad_map.h"

class QLabel;

namespace krivol {

class Form1;

// The pads of the module beside the program in `programFolder`; null, with
// one line on standard error, without the module or SDL.
std::unique_ptr<PadSource> loadPads(const QString& programFolder);

// The window's game controllers. The pad module is loaded once the window
// has shown its first frame; without it (or without SDL) there is no pad and
// one line on standard error. The pads are looked at before every tick of a
// round, so a press steers the very next tick, and every 16 ms between rounds;
// all on the window's thread. While the window is not the active one a press
// does nothing, as a key would.
class Gamepad : public GameWatcher {
public:
    explicit Gamepad(Form1& form);
    ~Gamepad() override;
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Takes these pads instead of the module's (a test's); before the first
    // frame, or the module is loaded as well.
    void open(std::unique_ptr<PadSource> source);
    // Handles everything the pads did since the last look.
    void poll();
    PadMode mode() const;

    void roundStarted(const LevelReading&) override { idle_.stop(); }
    void beforeTick() override { poll(); }
    void tickPlayed(RoundEnd end) override;
    void roundFinished() override { startIdle(); }

private:
    void loadModule();
    void startIdle();
    bool windowActive() const;
    void handle(const PadEvent& event);
    void pressed(PadButton button);
    void released(PadButton button);
    void holdKey(PadButton button, Integer code);
    void closeBox();
    void announce(const PadEvent& event);

    Form1& form_;
    std::unique_ptr<PadSource> source_;
    PadHeld held_;
    std::array<Integer, kPadButtons> holding_{};  // the key each button holds down, or 0
    QTimer idle_;
    QLabel* line_ = nullptr;  // which pad came or went, for a few seconds
    QTimer lineShown_;
    QObject waiting_;  // ends the wait for the first frame with this object
};

}  // namespace krivol

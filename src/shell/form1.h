#pragma once
#include <QString>
#include <QWidget>

class QLabel;
#include <cstdint>
#include <functional>
#include <memory>

#include "render/surfaces.h"
#include "round/game.h"
#include "round/round.h"
#include "shell/form_controls.h"
#include "shell/game_watcher.h"
#include "shell/key_filter.h"
#include "shell/round_driver.h"
#include "shell/window_ports.h"
#include "state/data_folders.h"
#include "state/game_state.h"
#include "state/rnd.h"

namespace krivol {

class Gamepad;

// The game's one window. It owns the whole game: state, pictures, the random
// sequence and the round; its handlers carry the designer's names.
class Form1 : public QWidget {
public:
    // `folders` hold the levels and sounds; `seed` starts the random
    // sequence. Without a sound port the wave files found there are played.
    Form1(const DataFolders& folders, std::uint32_t seed, std::unique_ptr<SoundPort> sound = nullptr);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1() override;

    // For tests and tools looking in.
    GameState& state() { return s_; }
    const Surfaces& pictures() const { return pics_; }
    const Rnd& random() const { return rnd_; }
    const Round& round() const { return round_; }
    bool ticking() const { return driver_.ticking(); }
    const DataFolders& folders() const { return folders_; }

    // For a recorder or a replay: follows the game from now on.
    void addWatcher(GameWatcher& watcher) { watchers_.add(watcher); }
    // What a replay does in the player's stead.
    void lockPlayerInput();  // the keyboard, the level options and Старт do nothing
    bool inputLocked() const { return keys_.ignored(); }
    // A key as the keyboard would give it (a pad's buttons).
    void pressKey(bool down, Integer code) { keys_.handle(down, code); }
    Gamepad& gamepad() { return *pad_; }
    void chooseLevel(int index);
    void pressStart();
    void stopRounds();  // no further tick, no further round
    // A line at the bottom of the left strip, for the recording and the replay;
    // `trouble` shows it in red.
    void showNote(const QString& text, bool trouble);
    // A game opened by another window (the level editor's test play):
    // closing it ends only this window, and `closed` runs once it has.
    void endOnlyThisWindow(std::function<void()> closed) { closed_ = std::move(closed); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void OptKri_Click(int index);
    void Command1_Click();
    void Form_Unload();
    // The line under the preview and its tooltip: why the level cannot be played.
    void showLevelProblem(const LevelReading& level);

    DataFolders folders_;
    GameState s_;
    Rnd rnd_;
    Surfaces pics_;
    std::unique_ptr<SoundPort> sound_;
    FormControls c_;
    LabelWidgets labels_;
    ScreenWidgets screen_;
    EndMessageBoxes dialogs_;
    Game game_;
    Round round_;
    GameWatchers watchers_;
    RoundDriver driver_;
    KeyFilter keys_;
    std::unique_ptr<Gamepad> pad_;
    QLabel* note_ = nullptr;
    std::function<void()> closed_;
};

}  // namespace krivol

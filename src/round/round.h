#pragma once
#include <QString>

#include "render/level_preview.h"
#include "round/game.h"
#include "state/data_folders.h"

namespace krivol {

enum class RoundEnd { None, Victory, Defeat, VictoryAndDefeat };

struct StartResult {
    bool started = false;
    QString error;       // why the round was refused, in English
    LevelReading level;  // what was read of the level file, when it was looked at
};

// The round procedure without its waits: the driver calls tick() every UGAME
// milliseconds after handling pending events, and finish() once tick()
// reports an end.
class Round {
public:
    Round(Game& game, DataFolders folders) : g_(game), folders_(std::move(folders)) {}

    // The start button. Refused while a round runs and for a level that cannot
    // be read or played; nothing of the game changes then.
    StartResult start();
    RoundEnd tick();
    // The end boxes (victory first), the defeat sound before its box, then
    // the field cleared. Leaves the round idle.
    void finish(RoundEnd end, EndDialogPort& dialogs);
    bool running() const { return running_; }
    // Plays this file instead of the chosen level's file (the headless tool).
    void pinLevelFile(const QString& path) { pinnedLevel_ = path; }
    // The file a round started now would load.
    QString levelFile() const;

private:
    void present();

    Game& g_;
    DataFolders folders_;
    QString pinnedLevel_;
    bool running_ = false;
};

}  // namespace krivol

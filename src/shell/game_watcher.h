#pragma once
#include <vector>

#include "round/round.h"

namespace krivol {

// What the window's game goes through, for those who follow it without
// taking part: the recorder writes it down, the replay director paces itself
// by it. Called on the window's thread, in the order it happens.
class GameWatcher {
public:
    virtual ~GameWatcher() = default;
    // A key handler changed KK or KKU (a press that repeats the held key changes nothing).
    virtual void keyHandled(bool down, Integer code) { (void)down, (void)code; }
    virtual void levelChosen(int index) { (void)index; }
    virtual void roundStarted(const LevelReading& level) { (void)level; }
    virtual void beforeTick() {}
    // After each tick; `end` is known before any end box opens.
    virtual void tickPlayed(RoundEnd end) { (void)end; }
    // The end boxes are closed and the round is idle.
    virtual void roundFinished() {}
    virtual void windowClosing() {}
};

// Hands everything on to each watcher added, in the order they were added.
class GameWatchers : public GameWatcher {
public:
    void add(GameWatcher& watcher) { all_.push_back(&watcher); }
    void keyHandled(bool down, Integer code) override {
        for (GameWatcher* w : all_) w->keyHandled(down, code);
    }
    void levelChosen(int index) override {
        for (GameWatcher* w : all_) w->levelChosen(index);
    }
    void roundStarted(const LevelReading& level) override {
        for (GameWatcher* w : all_) w->roundStarted(level);
    }
    void beforeTick() override {
        for (GameWatcher* w : all_) w->beforeTick();
    }
    void tickPlayed(RoundEnd end) override {
        for (GameWatcher* w : all_) w->tickPlayed(end);
    }
    void roundFinished() override {
        for (GameWatcher* w : all_) w->roundFinished();
    }
    void windowClosing() override {
        for (GameWatcher* w : all_) w->windowClosing();
    }

private:
    std::vector<GameWatcher*> all_;
};

}  // namespace krivol

#include "round/round.h"

#include "render/sprites.h"
#include "render/tiles.h"
#include "round/ghosts.h"
#include "round/hero.h"
#include "round/keys.h"
#include "round/setup.h"
#include "round/shot.h"
#include "render/level_preview.h"

namespace krivol {

namespace {

// Loads the chosen level into PicLOAD and reads its grid.
LevelReading loadChosenLevel(Game& g, const QString& path) {
    GameState& s = g.s;
    s.nam_kri = path;
    LevelReading level = readLevelFile(s.nam_kri, g.pics.PicLOAD, s.COL);
    g.ports.screen.refreshPicLOAD();
    return level;
}

}  // namespace

StartResult Round::start() {
    if (running_) return {false, QStringLiteral("a round is already running"), {}};
    LevelReading level = loadChosenLevel(g_, levelFile());
    if (!level.playable()) return {false, level.error(), level};
    GameState& s = g_.s;
    resetRoundVariables(g_);
    s.FLD = level.FLD;
    placeItems(s, g_.rnd);
    fullDraw(g_.pics, s);
    placeHero(s);
    placeGhosts(g_);
    restoreBackground(g_.pics);
    const Integer last = s.K0G;
    for (s.NG = 1; s.NG <= last; s.NG = static_cast<Integer>(s.NG + 1)) SETG(g_.pics, s, g_.rnd, s.NG);
    present();
    running_ = true;
    return {true, {}, level};
}

RoundEnd Round::tick() {
    if (!running_) return RoundEnd::None;
    GameState& s = g_.s;
    s.TTG = satAdd(s.TTG, 1);
    keyStep(g_);
    heroStep(g_);
    restoreBackground(g_.pics);
    spawnStep(g_);
    ghostStep(g_);
    SETM(g_.pics, s, g_.rnd);
    flightStep(g_);
    if (s.PLAMA > 0) s.PLAMA = static_cast<Integer>(s.PLAMA - 1);
    g_.ports.labels.setLabel1(QString::number(s.SCORE));
    present();
    const bool victory = s.K0B == 0, defeat = s.g_over == 1;
    if (victory && defeat) return RoundEnd::VictoryAndDefeat;
    if (victory) return RoundEnd::Victory;
    if (defeat) return RoundEnd::Defeat;
    return RoundEnd::None;
}

void Round::finish(RoundEnd end, EndDialogPort& dialogs) {
    if (end == RoundEnd::Victory || end == RoundEnd::VictoryAndDefeat) dialogs.showVictory();
    if (end == RoundEnd::Defeat || end == RoundEnd::VictoryAndDefeat) {
        g_.ports.sound.WAV(QStringLiteral("взрыв.wav"));
        dialogs.showDefeat();
    }
    g_.s.g_over = 0;
    clearPic1(g_.pics);
    present();
    running_ = false;
}

QString Round::levelFile() const {
    return pinnedLevel_.isEmpty() ? folders_.levelFile(g_.s.N_KRI) : pinnedLevel_;
}

void Round::present() {
    g_.ports.screen.refreshPic1(g_.pics.pic1Changed);
    g_.pics.pic1Changed.clear();
}

}  // namespace krivol

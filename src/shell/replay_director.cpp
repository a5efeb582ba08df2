#include "shell/replay_director.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "replay/recorded_level.h"
#include "round/keys.h"
#include "shell/form1.h"
#include "shell/level_messages.h"

namespace krivol {

namespace {

struct ReplayText {
    Q_DECLARE_TR_FUNCTIONS(Replay)
};

// What the window can say of a recording that cannot be played: the reader's
// own words are for scripts, and in English.
QString unplayable(const ReplayReading& reading) {
    if (reading.fileProblem) return fileReason(reading.fileProblem);
    if (reading.errorLine > 1) return ReplayText::tr("запись испорчена в строке %1").arg(reading.errorLine);
    return ReplayText::tr("это не запись игры Krivol или запись другой её версии");
}

}  // namespace

ReplayDirector::ReplayDirector(Form1& form, ReplayReading reading, QString file, int pauseMs)
    : form_(form), reading_(std::move(reading)), records_(reading_.recording.records), file_(std::move(file)) {
    startTimer_.setSingleShot(true);
    startTimer_.setInterval(pauseMs);
    QObject::connect(&startTimer_, &QTimer::timeout, &startTimer_, [this] { startRecordedRound(); });
}

void ReplayDirector::begin() {
    if (!reading_.error.isEmpty()) {  // the game is the player's then
        finish(ReplayText::tr("Повтор невозможен"), true,
               ReplayText::tr("Запись %1 не воспроизвести:\n%2").arg(file_, unplayable(reading_)));
        return;
    }
    form_.lockPlayerInput();
    form_.showNote(ReplayText::tr("Повтор записи"), false);
    goOnIdle();
}

// What happened while no round ran, then the recorded Start after a pause.
void ReplayDirector::goOnIdle() {
    for (; next_ < records_.size(); ++next_) {
        if (records_[next_].kind == Record::Kind::start) {
            startTimer_.start();
            return;
        }
        apply(records_[next_]);
    }
    if (reading_.cutShort) finish(ReplayText::tr("Повтор окончен: %1").arg(cutShortCaption()), true);
    else finish(ReplayText::tr("Повтор окончен"), false);
}

void ReplayDirector::startRecordedRound() {
    const Record& start = records_[next_];
    const RecordedLevel level = findRecordedLevel(form_.folders(), start);
    if (level.match == RecordedLevel::Match::changed) {
        finish(ReplayText::tr("Повтор остановлен"), true,
               ReplayText::tr("Уровень %1 изменился после записи: повтор невозможен.").arg(level.path));
        return;
    }
    if (level.match == RecordedLevel::Match::unreadable) {
        LevelReading reading;
        reading.picture = level.picture;
        finish(ReplayText::tr("Повтор остановлен"), true,
               ReplayText::tr("Для повтора нужен уровень %1: %2.").arg(level.path, levelReason(reading)));
        return;
    }
    ++next_;
    end_ = nullptr;
    for (size_t i = next_; i < records_.size() && !end_; ++i)
        if (records_[i].kind == Record::Kind::end) end_ = &records_[i];
    form_.pressStart();
    if (!clock_.running()) finish(ReplayText::tr("Повтор остановлен"), true);
    else if (pastRecordedTicks()) endRecordedRound(RoundEnd::None);
}

void ReplayDirector::roundStarted(const LevelReading&) { clock_.roundStarted(); }

void ReplayDirector::beforeTick() {
    const long long tick = clock_.nextTick();
    for (; next_ < records_.size() && records_[next_].kind != Record::Kind::end && records_[next_].tick <= tick; ++next_)
        apply(records_[next_]);
}

void ReplayDirector::tickPlayed(RoundEnd end) {
    clock_.tickPlayed();
    if (done_) return;
    if (end != RoundEnd::None || pastRecordedTicks()) endRecordedRound(end);
}

void ReplayDirector::roundFinished() {
    if (!done_) goOnIdle();
}

void ReplayDirector::apply(const Record& r) {
    GameState& s = form_.state();
    switch (r.kind) {
    case Record::Kind::keyDown: keyDown(s, static_cast<Integer>(r.value)); break;
    case Record::Kind::keyUp: keyUp(s, static_cast<Integer>(r.value)); break;
    case Record::Kind::level: form_.chooseLevel(r.value); break;
    case Record::Kind::start:
    case Record::Kind::end: break;
    }
}

bool ReplayDirector::pastRecordedTicks() const {
    const long long last = end_ ? end_->tick : reading_.cutShort ? reading_.cutShort->lastTick : clock_.ticks();
    return clock_.running() && clock_.ticks() >= last;
}

// The round ended, or played as many ticks as the recording gives it.
void ReplayDirector::endRecordedRound(RoundEnd end) {
    clock_.roundEnded();
    if (!end_) {
        form_.stopRounds();
        finish(ReplayText::tr("Повтор окончен: %1").arg(cutShortCaption()), true);
        return;
    }
    const bool same = outcomeOf(end) == end_->outcome && clock_.roundTicks() == end_->ticks &&
                      form_.state().SCORE == end_->score;
    if (!same) {
        form_.stopRounds();
        finish(ReplayText::tr("Раунд %1 пошёл не так, как в записи; повтор остановлен").arg(end_->round), true);
        return;
    }
    next_ = static_cast<size_t>(end_ - records_.data()) + 1;
    if (end_->outcome != Outcome::closed) return;  // the end boxes follow, then roundFinished()
    form_.stopRounds();
    finish(ReplayText::tr("Повтор окончен: здесь окно было закрыто"), false);
}

void ReplayDirector::finish(const QString& note, bool trouble, const QString& box) {
    done_ = true;
    form_.showNote(note, trouble);
    if (box.isEmpty()) return;
    QMessageBox message(QMessageBox::Warning, QStringLiteral("krivol"), box, QMessageBox::Ok, &form_);
    message.setObjectName(QStringLiteral("replayErrorBox"));
    message.exec();
}

}  // namespace krivol

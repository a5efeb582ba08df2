#include "shell/replay_recorder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

#include "files/regular_file.h"
#include "replay/replay_text.h"
#include "shell/level_messages.h"

namespace krivol {

ReplayRecorder::ReplayRecorder(const QString& path, std::uint32_t seed, const GameState& s,
                               std::function<void(const QString&)> report)
    : path_(path), s_(s), report_(std::move(report)) {
    if (const FileProblem problem = openForWriting(path, file_, QIODevice::Unbuffered)) {
        ok_ = false;
        report_(QCoreApplication::translate("Replay", "Игра не записывается: файл %1 не открыть (%2).").arg(path, fileReason(problem)));
        return;
    }
    put(replayHeader(seed));
}

ReplayRecorder::~ReplayRecorder() { closing_.say(); }

void ReplayRecorder::keyHandled(bool down, Integer code) {
    put(replayLine(at(down ? Record::Kind::keyDown : Record::Kind::keyUp, code)));
}

void ReplayRecorder::levelChosen(int index) { put(replayLine(at(Record::Kind::level, index))); }

void ReplayRecorder::roundStarted(const LevelReading& level) {
    Record r = at(Record::Kind::start);
    r.level = QFileInfo(level.picture.path).fileName();
    r.sha256 = level.picture.sha256;
    put(replayLine(r));
    clock_.roundStarted();
    score_ = s_.SCORE;
}

void ReplayRecorder::tickPlayed(RoundEnd end) {
    clock_.tickPlayed();
    score_ = s_.SCORE;
    if (end != RoundEnd::None) writeEnd(outcomeOf(end));
}

void ReplayRecorder::windowClosing() {
    if (clock_.running()) writeEnd(Outcome::closed);
}

Record ReplayRecorder::at(Record::Kind kind, int value) const {
    Record r;
    r.kind = kind;
    r.round = clock_.nextRound();
    r.tick = clock_.nextTick();
    r.value = value;
    return r;
}

void ReplayRecorder::writeEnd(Outcome outcome) {
    Record r;
    r.kind = Record::Kind::end;
    r.round = clock_.round();
    r.outcome = outcome;
    r.score = score_;
    r.ticks = clock_.roundTicks();
    put(replayLine(r));
    clock_.roundEnded();
    sync();
}

void ReplayRecorder::put(const QByteArray& bytes) {
    if (!ok_) return;
    // Unbuffered: the whole line goes to the kernel in one write.
    errno = 0;
    if (file_.write(bytes) == bytes.size()) return;
    const FileProblem problem = errno ? writeProblem(errno) : FileProblem(FileFault::writeFailed, 0, file_.errorString());
    ok_ = false;
    report_(QCoreApplication::translate("Replay", "Запись игры прервана: в файл %1 не записать (%2).")
                .arg(path_, fileReason(problem, FileUse::write)));
}

// The round is over and the end box not yet open: the wait costs no frame.
void ReplayRecorder::sync() {
    if (ok_) ::fdatasync(file_.handle());
}

void ReplayRecorder::close() {
    windowClosing();
    sync();
    file_.close();
    ok_ = false;
}

}  // namespace krivol

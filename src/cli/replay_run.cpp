#include "cli/replay_run.h"

#include <algorithm>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/round_summary.h"
#include "replay/recorded_level.h"
#include "replay/replay_text.h"
#include "round/keys.h"
#include "round/startup.h"

namespace krivol {

void ReplayFeed::eventStep(long long tick, Game& game) {
    for (; next_ < records_.size() && records_[next_].tick <= tick; ++next_) apply(records_[next_], game);
}

void ReplayFeed::applyBefore(size_t index, Game& game) {
    for (; next_ < index; ++next_) apply(records_[next_], game);
    next_ = std::max(next_, index + 1);
}

void ReplayFeed::apply(const Record& r, Game& game) {
    switch (r.kind) {
    case Record::Kind::keyDown: keyDown(game.s, static_cast<Integer>(r.value)); break;
    case Record::Kind::keyUp: keyUp(game.s, static_cast<Integer>(r.value)); break;
    case Record::Kind::level: {
        QuietStderr quiet;
        chooseLevel(game, folders_, static_cast<Integer>(r.value));
        break;
    }
    case Record::Kind::start:
    case Record::Kind::end: break;  // the run starts and ends rounds itself
    }
}

namespace {

QString told(Outcome outcome, std::int32_t score, long long ticks) {
    return QStringLiteral("%1, score %2, %3 ticks").arg(QLatin1String(outcomeName(outcome))).arg(score).arg(ticks);
}

class ReplayRun {
public:
    ReplayRun(const ReplayOptions& o, const ReplayReading& reading, TraceOut& trace, TickWatcher* watcher)
        : o_(o), reading_(reading), records_(reading.recording.records),
          run_(reading.recording.seed, o.folders, trace, !o.framePng.isEmpty()), feed_(records_, o.folders),
          watcher_(watcher) {
        run_.watch(watcher);
    }

    int run() {
        if (const QString error = checkRoundsExist(o_, reading_); !error.isEmpty()) return failed(error);
        for (size_t i = 0; i < records_.size(); ++i) {
            if (records_[i].kind != Record::Kind::start) continue;
            if (stopAsked()) return kExitFailed;
            const int code = playRound(i);
            if (code != kExitOk) return code;
        }
        // Nothing more can be told of what the file has lost.
        if (reading_.cutShort) printErr(QStringLiteral("%1: %2\n").arg(o_.file, describe(*reading_.cutShort)));
        return kExitOk;
    }

    const QImage& frame() const { return run_.frame(); }

private:
    int playRound(size_t startAt) {
        const Record& start = records_[startAt];
        feed_.applyBefore(startAt, run_.game());
        const RecordedLevel level = [&] {
            QuietStderr quiet;
            return findRecordedLevel(o_.folders, start);
        }();
        if (level.match != RecordedLevel::Match::same) return failed(level.error());
        const StartResult started = run_.start(start.round, level.path);
        if (!started.started) return failed(QStringLiteral("cannot replay round %1: %2").arg(start.round).arg(started.error));
        const Record* end = endOf(startAt);
        const RoundEnd reached = run_.play(feed_, end ? end->tick : reading_.cutShort->lastTick);
        if (!run_.traceOk() || stopAsked()) return kExitFailed;
        if (!end && reached == RoundEnd::None && watcher_) watcher_->cutShown(run_.session(), cutShortCaption());
        const bool closed = end && end->outcome == Outcome::closed;
        printSummary(summarize(run_, level.path, reached, QLatin1String(closed ? "closed" : "unfinished")));
        if (end) return compare(*end, reached);
        if (!checked(start.round)) return kExitOk;
        return failed(QStringLiteral("%1: round %2 is unfinished: nothing to compare after tick %3")
                          .arg(o_.file)
                          .arg(start.round)
                          .arg(run_.clock().roundTicks()));
    }

    bool stopAsked() const { return watcher_ && watcher_->stopAsked(); }
    bool checked(int round) const { return o_.verify && (o_.rounds.empty() || o_.rounds.count(round) > 0); }

    // The timeline of the recording holds only while the rounds last as long
    // as they did; --verify asks for outcome and score as well.
    int compare(const Record& end, RoundEnd reached) {
        const Outcome outcome = outcomeOf(reached);
        const std::int32_t score = run_.state().SCORE;
        const long long ticks = run_.clock().roundTicks();
        if (outcome == end.outcome && score == end.score && ticks == end.ticks) return kExitOk;
        const bool timelineHolds = outcome == end.outcome && ticks == end.ticks;
        const bool strict = checked(end.round);
        QString text = QStringLiteral("%1: round %2 differs from the recording: recorded %3; replayed %4")
                           .arg(o_.file)
                           .arg(end.round)
                           .arg(told(end.outcome, end.score, end.ticks), told(outcome, score, ticks));
        if (!timelineHolds && !strict) text += QStringLiteral("; the rest cannot follow it");
        printErr(text + QLatin1Char('\n'));
        return timelineHolds && !strict ? kExitOk : kExitFailed;
    }

    const Record* endOf(size_t startAt) const {
        for (size_t i = startAt + 1; i < records_.size(); ++i)
            if (records_[i].kind == Record::Kind::end) return &records_[i];
        return nullptr;
    }

    void printSummary(const RoundSummary& summary) {
        if (o_.traceFile == QLatin1String("-")) return;
        printOut(summaryLine(summary));
    }

    int failed(const QString& why) {
        printErr(why + QLatin1Char('\n'));
        return kExitFailed;
    }

    const ReplayOptions& o_;
    const ReplayReading& reading_;
    const std::vector<Record>& records_;
    HeadlessRun run_;
    ReplayFeed feed_;
    TickWatcher* watcher_;
};

}  // namespace

int countRounds(const ReplayReading& reading) {
    const auto& records = reading.recording.records;
    return static_cast<int>(
        std::count_if(records.begin(), records.end(), [](const Record& r) { return r.kind == Record::Kind::start; }));
}

QString checkRoundsExist(const ReplayOptions& o, const ReplayReading& reading) {
    const int rounds = countRounds(reading);
    if (o.rounds.empty() || *o.rounds.rbegin() <= rounds) return {};
    return QStringLiteral("%1: there is no round %2; the recording holds %3").arg(o.file).arg(*o.rounds.rbegin()).arg(rounds);
}

int replayRecording(const ReplayOptions& o, const ReplayReading& reading, TraceOut& trace, TickWatcher* watcher) {
    ReplayRun run(o, reading, trace, watcher);
    int code = run.run();
    if (!o.framePng.isEmpty()) {
        if (const QString error = saveFrame(run.frame(), o.framePng); !error.isEmpty()) {
            printErr(error + QLatin1Char('\n'));
            code = kExitFailed;
        }
    }
    return code;
}

}  // namespace krivol

#include "replay/replay_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>

#include "files/line_reader.h"
#include "files/local_path.h"
#include "files/regular_file.h"
#include "replay/replay_text.h"
#include "state/level.h"

namespace krivol {

namespace {

// Records are a few dozen bytes; the bounds only keep a wrong or hostile
// file (a device, a picture, an endless pipe) from eating memory.
constexpr qsizetype kMaxLine = 1024;
constexpr qint64 kMaxRecords = 4'000'000;
constexpr long long kMaxRound = 1 << 30;
constexpr long long kMaxTick = 1LL << 62;

std::optional<long long> number(const QByteArray& word, long long low, long long high) {
    if (word.isEmpty() || word.size() > 19) return std::nullopt;
    for (char c : word)
        if (c < '0' || c > '9') return std::nullopt;
    const long long value = word.toLongLong();
    if (value < low || value > high) return std::nullopt;
    return value;
}

// The fields after the kind word, or nullopt when they do not fit it.
std::optional<Record> positioned(const QList<QByteArray>& w, Record::Kind kind, qsizetype words) {
    if (w.size() != words) return std::nullopt;
    const auto round = number(w[1], 1, kMaxRound);
    const auto tick = number(w[2], 1, kMaxTick);
    if (!round || !tick) return std::nullopt;
    Record r;
    r.kind = kind;
    r.round = static_cast<int>(*round);
    r.tick = *tick;
    return r;
}

std::optional<Record> keyRecord(const QList<QByteArray>& w) {
    const bool down = w.value(3) == "down";
    if (!down && w.value(3) != "up") return std::nullopt;
    auto r = positioned(w, down ? Record::Kind::keyDown : Record::Kind::keyUp, 5);
    const auto code = number(w.value(4), 0, 255);
    if (!r || !code) return std::nullopt;
    r->value = static_cast<int>(*code);
    return r;
}

std::optional<Record> levelRecord(const QList<QByteArray>& w) {
    auto r = positioned(w, Record::Kind::level, 4);
    const auto index = number(w.value(3), 0, 3);
    if (!r || !index) return std::nullopt;
    r->value = static_cast<int>(*index);
    return r;
}

std::optional<Record> startRecord(const QList<QByteArray>& w) {
    auto r = positioned(w, Record::Kind::start, 5);
    const QByteArray hex = w.value(4);
    if (!r || w[3].contains('/') || hex.size() != 64) return std::nullopt;
    for (char c : hex)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
    r->level = pathFromLocal(w[3]);
    r->sha256 = QByteArray::fromHex(hex);
    return r;
}

std::optional<Record> endRecord(const QList<QByteArray>& w) {
    if (w.size() != 5) return std::nullopt;
    const auto round = number(w[1], 1, kMaxRound);
    const auto outcome = outcomeFromName(w[2]);
    const auto score = number(w[3], 0, INT32_MAX);
    const auto ticks = number(w[4], outcome == Outcome::closed ? 0 : 1, kMaxTick);
    if (!round || !outcome || !score || !ticks) return std::nullopt;
    Record r;
    r.kind = Record::Kind::end;
    r.round = static_cast<int>(*round);
    r.outcome = *outcome;
    r.score = static_cast<std::int32_t>(*score);
    r.ticks = *ticks;
    return r;
}

std::optional<Record> parseRecord(const QList<QByteArray>& w) {
    const QByteArray kind = w.value(0);
    if (kind == "key") return keyRecord(w);
    if (kind == "level") return levelRecord(w);
    if (kind == "start") return startRecord(w);
    if (kind == "end") return endRecord(w);
    return std::nullopt;
}

QString expected(const QByteArray& kind) {
    if (kind == "key") return QStringLiteral("key ROUND TICK down|up CODE");
    if (kind == "level") return QStringLiteral("level ROUND TICK INDEX (0 to 3)");
    if (kind == "start") return QStringLiteral("start ROUND TICK FILE SHA256");
    if (kind == "end") return QStringLiteral("end ROUND victory|defeat|victory+defeat|closed SCORE TICKS");
    if (kind == "seed") return QStringLiteral("seed N (0 to 4294967295), once, before any other record");
    return QStringLiteral("key, level, start or end");
}

// Follows the session through the file: every line must fit what the game
// could have done at that point.
class Timeline {
public:
    QString take(Record& r);  // completes an end's tick
    bool running() const { return running_; }
    int round() const { return round_; }
    long long ticks() const { return ticksBefore_; }
    // Ticks known to have been played when the file stops in a round.
    long long playedSoFar() const { return std::max(startTick_, lastEventTick_) - 1; }
    long long roundStart() const { return startTick_; }

private:
    QString takeEvent(const Record& r);
    QString takeEnd(Record& r);

    int round_ = 0;
    bool running_ = false;
    long long ticksBefore_ = 0;  // played in the rounds that ended
    long long startTick_ = 0;
    int option_ = 1;  // the level chosen at start-up
    int lastRound_ = 0;
    long long lastTick_ = 0;
    long long lastEventTick_ = 0;  // in the running round
    qint64 lastEventLine_ = 0;
    qint64 closedAt_ = 0;
};

QString Timeline::take(Record& r) {
    if (closedAt_)
        return QStringLiteral("the window was closed at line %1; nothing can follow").arg(closedAt_);
    return r.kind == Record::Kind::end ? takeEnd(r) : takeEvent(r);
}

QString Timeline::takeEvent(const Record& r) {
    if (r.round < lastRound_ || (r.round == lastRound_ && r.tick < lastTick_)) {
        return QStringLiteral("events out of order: round %1 tick %2 after round %3 tick %4")
            .arg(r.round).arg(r.tick).arg(lastRound_).arg(lastTick_);
    }
    lastRound_ = r.round;
    lastTick_ = r.tick;
    if (running_ && r.kind == Record::Kind::start)
        return QStringLiteral("round %1 starts, but round %2 has no end line").arg(r.round).arg(round_);
    if (running_ && r.round != round_)
        return QStringLiteral("round %1 has not started (round %2 runs)").arg(r.round).arg(round_);
    if (!running_ && (r.round != round_ + 1 || r.tick != ticksBefore_ + 1)) {
        return QStringLiteral("round %1 tick %2, but while no round runs a line belongs to round %3 tick %4")
            .arg(r.round).arg(r.tick).arg(round_ + 1).arg(ticksBefore_ + 1);
    }
    if (r.kind == Record::Kind::level) option_ = r.value;
    if (r.kind == Record::Kind::start) {
        if (r.level != levelFileName(option_)) {
            return QStringLiteral("the round starts on %1, but level option %2 looks up %3")
                .arg(r.level).arg(option_).arg(levelFileName(option_));
        }
        ++round_;
        running_ = true;
        startTick_ = r.tick;
        lastEventTick_ = 0;
    } else if (running_) {
        lastEventTick_ = r.tick;
        lastEventLine_ = r.line;
    }
    return {};
}

QString Timeline::takeEnd(Record& r) {
    if (!running_ || r.round != round_) return QStringLiteral("round %1 ends, but it has not started").arg(r.round);
    // The window may close between a key and the tick it was meant for.
    const long long last = startTick_ - 1 + r.ticks;
    if (lastEventTick_ > last + (r.outcome == Outcome::closed ? 1 : 0)) {
        return QStringLiteral("round %1 ends after %2 ticks, but line %3 falls in tick %4")
            .arg(r.round).arg(r.ticks).arg(lastEventLine_).arg(lastEventTick_);
    }
    running_ = false;
    ticksBefore_ = last;
    r.tick = last;
    if (r.outcome == Outcome::closed) closedAt_ = r.line;
    return {};
}

class Reader {
public:
    explicit Reader(QIODevice& device) : device_(device), lines_(device, kMaxLine) {}
    ReplayReading read();

private:
    QString header();
    // False at the end of the file or on an error (in result_).
    bool nextWords(QList<QByteArray>& words, QByteArray& raw);
    QString take(const QList<QByteArray>& words, const QByteArray& raw);
    QString at(const QString& why) const { return QStringLiteral("line %1: %2").arg(lines_.lineNumber()).arg(why); }
    void finish();

    QIODevice& device_;
    LineReader lines_;
    ReplayReading result_;
    Timeline timeline_;
    bool seeded_ = false;
};

ReplayReading Reader::read() {
    result_.error = header();
    QList<QByteArray> words;
    QByteArray raw;
    while (result_.error.isEmpty() && nextWords(words, raw)) result_.error = take(words, raw);
    if (!result_.error.isEmpty()) result_.errorLine = lines_.lineNumber();
    else finish();
    return result_;
}

QString Reader::header() {
    QByteArray line;
    const LineReader::Status status = lines_.next(line);
    if (status == LineReader::Status::end) return QStringLiteral("not a krivol replay: the file is empty");
    if (status == LineReader::Status::failed) return at(QStringLiteral("cannot be read (%1)").arg(device_.errorString()));
    const QByteArray version = QByteArray("krivol-replay ") + QByteArray::number(kReplayVersion);
    line = line.trimmed();
    if (status == LineReader::Status::line && line == version) return {};
    if (line.startsWith("krivol-replay ")) {
        return QStringLiteral("unknown replay format version %1 (this krivol reads version %2)")
            .arg(quoteLine(line.mid(14))).arg(kReplayVersion);
    }
    return QStringLiteral("not a krivol replay: line 1 is %1, not \"%2\"").arg(quoteLine(line), QString::fromLatin1(version));
}

bool Reader::nextWords(QList<QByteArray>& words, QByteArray& raw) {
    for (;;) {
        const LineReader::Status status = lines_.next(raw);
        if (status == LineReader::Status::end) return false;
        if (status == LineReader::Status::tooLong) {
            result_.error = at(QStringLiteral("longer than %1 bytes").arg(kMaxLine));
            return false;
        }
        if (status == LineReader::Status::failed) {
            result_.error = at(QStringLiteral("cannot be read (%1)").arg(device_.errorString()));
            return false;
        }
        if (!lines_.lineWasEnded()) {
            result_.cutShort = ReplayReading::CutShort{};
            result_.cutShort->cutLine = lines_.lineNumber();
            return false;
        }
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        words = line.simplified().split(' ');
        return true;
    }
}

QString Reader::take(const QList<QByteArray>& words, const QByteArray& raw) {
    if (words[0] == "seed") {
        const auto seed = number(words.value(1), 0, UINT32_MAX);
        if (seeded_ || !result_.recording.records.empty() || words.size() != 2 || !seed)
            return at(QStringLiteral("expected \"%1\", got %2").arg(expected("seed"), quoteLine(raw.trimmed())));
        result_.recording.seed = static_cast<std::uint32_t>(*seed);
        seeded_ = true;
        return {};
    }
    std::optional<Record> record = parseRecord(words);
    if (!record) return at(QStringLiteral("expected \"%1\", got %2").arg(expected(words[0]), quoteLine(raw.trimmed())));
    if (!seeded_) return at(QStringLiteral("the seed line must come before any record"));
    record->line = lines_.lineNumber();
    if (const QString why = timeline_.take(*record); !why.isEmpty()) return at(why);
    if (static_cast<qint64>(result_.recording.records.size()) == kMaxRecords)
        return at(QStringLiteral("more than %1 records").arg(kMaxRecords));
    result_.recording.records.push_back(std::move(*record));
    return {};
}

void Reader::finish() {
    if (!seeded_) {
        result_.error = QStringLiteral("no seed line");
        return;
    }
    if (!timeline_.running() && !result_.cutShort) return;
    ReplayReading::CutShort cut = result_.cutShort.value_or(ReplayReading::CutShort{});
    cut.round = timeline_.round();
    cut.unfinished = timeline_.running();
    cut.lastTick = timeline_.running() ? timeline_.playedSoFar() : timeline_.ticks();
    if (cut.unfinished) cut.roundTicks = cut.lastTick - timeline_.roundStart() + 1;
    result_.cutShort = cut;
}

}  // namespace

ReplayReading readReplay(QIODevice& device) { return Reader(device).read(); }

ReplayReading readReplayFile(const QString& path) {
    QFile file;
    if (const FileProblem problem = openForReading(path, file)) {
        ReplayReading reading;
        reading.error = QStringLiteral("cannot read the recording (%1)").arg(describe(problem));
        reading.fileProblem = problem;
        return reading;
    }
    return readReplay(file);
}

QString describe(const ReplayReading::CutShort& cut) {
    const QString why = cut.cutLine ? QStringLiteral("line %1 is cut short and ignored").arg(cut.cutLine)
                                    : QStringLiteral("no end line");
    if (cut.round == 0) return QStringLiteral("the recording stops before its first round (%1)").arg(why);
    if (!cut.unfinished) return QStringLiteral("the recording stops after round %1 (%2)").arg(cut.round).arg(why);
    return QStringLiteral("round %1 is unfinished: the recording stops after its tick %2 (%3)")
        .arg(cut.round)
        .arg(cut.roundTicks)
        .arg(why);
}

QString cutShortCaption() { return QCoreApplication::translate("Replay", "запись обрывается"); }

}  // namespace krivol

#include "replay/replay_text.h"

#include "files/local_path.h"

namespace krivol {

namespace {

constexpr const char* kOutcomeNames[] = {"victory", "defeat", "victory+defeat", "closed"};

QByteArray position(const Record& r) { return QByteArray::number(r.round) + ' ' + QByteArray::number(r.tick); }

}  // namespace

Outcome outcomeOf(RoundEnd end) {
    switch (end) {
    case RoundEnd::Victory: return Outcome::victory;
    case RoundEnd::Defeat: return Outcome::defeat;
    case RoundEnd::VictoryAndDefeat: return Outcome::victoryAndDefeat;
    case RoundEnd::None: break;
    }
    return Outcome::closed;
}

const char* outcomeName(Outcome outcome) { return kOutcomeNames[static_cast<int>(outcome)]; }

std::optional<Outcome> outcomeFromName(const QByteArray& name) {
    for (int i = 0; i < 4; ++i)
        if (name == kOutcomeNames[i]) return static_cast<Outcome>(i);
    return std::nullopt;
}

QByteArray replayHeader(std::uint32_t seed) {
    return "krivol-replay " + QByteArray::number(kReplayVersion) +
           "\n# Krivol v2.32: ROUND TICK says in which tick's event step a line took effect\nseed " +
           QByteArray::number(seed) + '\n';
}

QByteArray replayLine(const Record& r) {
    switch (r.kind) {
    case Record::Kind::keyDown: return "key " + position(r) + " down " + QByteArray::number(r.value) + '\n';
    case Record::Kind::keyUp: return "key " + position(r) + " up " + QByteArray::number(r.value) + '\n';
    case Record::Kind::level: return "level " + position(r) + ' ' + QByteArray::number(r.value) + '\n';
    case Record::Kind::start:
        return "start " + position(r) + ' ' + pathToLocal(r.level) + ' ' + r.sha256.toHex() + '\n';
    case Record::Kind::end:
        return "end " + QByteArray::number(r.round) + ' ' + outcomeName(r.outcome) + ' ' +
               QByteArray::number(r.score) + ' ' + QByteArray::number(r.ticks) + '\n';
    }
    return {};
}

}  // namespace krivol

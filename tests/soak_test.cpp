#include "support/scenario.h"

namespace krivol::test {
namespace {

#ifdef KRIVOL_SANITIZED
constexpr long kTicksPerLevel = 100000;  // the checked build is ten times slower
#else
constexpr long kTicksPerLevel = 1000000;
#endif

// Random presses and releases of the game's keys and a few others.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : rnd_(seed) {}
    void play(GameState& s) {
        if (rnd_.next() > 0.03f) return;
        constexpr Integer keys[] = {37, 38, 39, 40, 49, 49, 97, 65, 32};
        const Integer code = keys[static_cast<int>(rnd_.next() * 9)];
        if (rnd_.next() < 0.7f) keyDown(s, code);
        else keyUp(s, code);
    }

private:
    Rnd rnd_;
};

class Soak : public ::testing::TestWithParam<int> {};

TEST_P(Soak, AMillionRandomTicksKeepEveryRule) {
    const int level = GetParam();
    Session session(1000u + static_cast<std::uint32_t>(level), QStringLiteral(KRIVOL_BIN_DIR));
    session.s.SP = 12;
    session.s.UGAME = 10;
    session.s.N_KRI = static_cast<Integer>(level);
    RandomPlayer player(static_cast<std::uint32_t>(level));
    EndDialogPort none;
    int rounds = 0, victories = 0;
    long maxGhosts = 0;
    for (long t = 0; t < kTicksPerLevel; ++t) {
        if (!session.round.running()) {
            const StartResult started = session.round.start();
            ASSERT_TRUE(started.started) << started.error.toStdString();
            ++rounds;
        }
        player.play(session.s);
        const RoundEnd end = session.round.tick();
        const std::string broken = invariantViolation(session.s);
        ASSERT_TRUE(broken.empty()) << "tick " << t << ": " << broken;
        maxGhosts = std::max<long>(maxGhosts, session.s.K0G);
        if (end == RoundEnd::None) continue;
        victories += end != RoundEnd::Defeat;
        session.round.finish(end, none);
    }
    EXPECT_GT(rounds, 3);
    RecordProperty("rounds", rounds);
    RecordProperty("victories", victories);
    RecordProperty("max_ghosts", static_cast<int>(maxGhosts));
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, Soak, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace krivol::test

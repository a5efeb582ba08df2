// Short whole games: a seed, a maze and key presses from the input, every
// tick followed by the invariant check. Input layout:
//   4 bytes seed | 313 bytes of wall bits (50 x 50, row by row) | pairs of
//   (ticks to wait, key) where key bit 7 means release and bits 0..2 pick
//   left, up, right, down, "1", keypad 1, space or Enter.
#include <QImage>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "round/keys.h"
#include "round/session.h"
#include "support/invariants.h"

namespace {

using namespace krivol;

constexpr int kMaxTicks = 600;  // past the first spawn at tick 500
constexpr std::size_t kSeedBytes = 4, kMazeBytes = 313;
constexpr Integer kKeys[8] = {37, 38, 39, 40, 49, 97, 32, 13};

QImage maze(const std::uint8_t* bits, std::size_t size) {
    QImage image(50, 50, QImage::Format_RGB32);
    for (int i = 0; i < 2500; ++i) {
        const std::size_t byte = static_cast<std::size_t>(i / 8);
        const bool wall = byte < size && (bits[byte] >> (i % 8)) & 1;
        const int x = i % 50, y = i / 50;
        const bool border = x == 0 || y == 0 || x == 49 || y == 49;
        image.setPixel(x, y, wall || border ? 0xFF000000u : 0xFFFFFFFFu);
    }
    return image;
}

void check(const GameState& s) {
    const std::string broken = test::invariantViolation(s);
    if (broken.empty()) return;
    std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kSeedBytes) return 0;
    static QTemporaryDir dir;
    const QString level = dir.filePath(QStringLiteral("KRIVOL01.BMP"));
    maze(data + kSeedBytes, size - kSeedBytes).save(level, "BMP");
    const std::uint32_t seed = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    Session session(seed, dir.path());
    session.s.SP = 12;
    session.s.UGAME = 10;
    session.s.N_KRI = 1;
    std::size_t next = kSeedBytes + kMazeBytes;
    int wait = 0;
    for (int tick = 0; tick < kMaxTicks; ++tick) {
        if (!session.round.running() && !session.round.start().started) return 0;
        for (; wait == 0 && next + 1 < size; next += 2) {
            const Integer code = kKeys[data[next + 1] & 7];
            if (data[next + 1] & 0x80) keyUp(session.s, code);
            else keyDown(session.s, code);
            wait = data[next];
        }
        if (wait > 0) --wait;
        const RoundEnd end = session.round.tick();
        check(session.s);
        if (end != RoundEnd::None) {
            EndDialogPort noBoxes;
            session.round.finish(end, noBoxes);
        }
    }
    return 0;
}

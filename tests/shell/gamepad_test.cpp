// Game controllers in the window, through SDL's virtual pads: what each
// button does in a round, between rounds, in an end box and in a replay;
// several pads and unplugging; how soon a press reaches the game.
#include <QLabel>

#include "pad/virtual_pad.h"
#include "shell/gamepad/gamepad.h"
#include "shell/gamepad/sdl_pads.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

// The keys the window's handlers passed on, as a recording writes them.
struct KeysSeen : GameWatcher {
    void keyHandled(bool down, Integer code) override { lines.push_back((down ? 1000 : 2000) + code); }
    void beforeTick() override {
        ++ticks;
        if (onTick) onTick();
    }
    std::vector<int> lines;
    long long ticks = 0;
    std::function<void()> onTick;
};
int down(Integer code) { return 1000 + code; }
int up(Integer code) { return 2000 + code; }

class PadWindow : public ::testing::Test {
protected:
    void open(std::uint32_t seed) {
        ASSERT_TRUE(dir_.isValid());
        LevelGrid::openRoom().save(dir_.filePath(QStringLiteral("KRIVOL01.BMP")));
        roomWithBlock().save(dir_.filePath(QStringLiteral("KRIVOL02.BMP")));
        form_ = std::make_unique<Form1>(dir_.path(), seed, std::make_unique<RecordingSound>());
        QString why;
        auto pads = std::make_unique<SdlPads>(why);
        ASSERT_TRUE(pads->ok()) << why.toStdString();
        form_->gamepad().open(std::move(pads));
        form_->addWatcher(seen_);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(waitUntil([this] { return QApplication::activeWindow() == form_.get(); }, 1000));
        pads_.emplace_back(std::make_unique<VirtualPad>());
        ASSERT_TRUE(pads_.back()->attached());
        look();
    }
    void TearDown() override {
        if (form_) form_->close();
        form_.reset();
        pads_.clear();
    }
    VirtualPad& pad(size_t i = 0) { return *pads_[i]; }
    void look() { form_->gamepad().poll(); }
    GameState& s() { return form_->state(); }

    QTemporaryDir dir_;
    KeysSeen seen_;  // outlives form_, which calls it
    std::vector<std::unique_ptr<VirtualPad>> pads_;
    std::unique_ptr<Form1> form_;
};

TEST(PadStick, HalfItsTravelAndTheAxisPushedFurtherWins) {
    using B = PadButton;
    const struct {
        int x, y;
        std::optional<B> pointing;
    } cases[] = {
        {0, 0, {}},           {16383, 0, {}},         {0, -16383, {}},       {16384, 0, B::right},
        {-16384, 0, B::left}, {0, -32768, B::up},     {0, 32767, B::down},   {-20000, 25000, B::down},
        {30000, -29999, B::right}, {-16000, -16000, {}},
    };
    for (const auto& c : cases) {
        B direction = B::start;
        const bool pushed = stickDirection(c.x, c.y, direction);
        EXPECT_EQ(pushed, c.pointing.has_value()) << c.x << "," << c.y;
        if (pushed && c.pointing) {
            EXPECT_EQ(direction, *c.pointing) << c.x << "," << c.y;
        }
    }
}

TEST(PadStick, SwungFromLeftToUpLetsGoOfLeftFirst) {
    PadHeld held;
    held.apply({PadEvent::Kind::added, 7, {}, 0, {}});
    held.apply({PadEvent::Kind::stickX, 7, {}, -30000, {}});
    held.apply({PadEvent::Kind::stickY, 7, {}, -20000, {}});  // left still further
    EXPECT_TRUE(held.held(PadButton::left));
    const auto changes = held.apply({PadEvent::Kind::stickX, 7, {}, -5000, {}});
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].button, PadButton::left);
    EXPECT_FALSE(changes[0].down);
    EXPECT_EQ(changes[1].button, PadButton::up);
    EXPECT_TRUE(changes[1].down);
}

enum class Input { dpad, stick, a, x, b, start };
enum class Reaction { nothing, holdsDown, holdsFire, levelBelow, starts, closesBox };

void push(VirtualPad& pad, Input input, bool down) {
    switch (input) {
    case Input::dpad: pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, down); break;
    case Input::stick: pad.axis(SDL_CONTROLLER_AXIS_LEFTY, down ? 32767 : 0); break;
    case Input::a: pad.button(SDL_CONTROLLER_BUTTON_A, down); break;
    case Input::x: pad.button(SDL_CONTROLLER_BUTTON_X, down); break;
    case Input::b: pad.button(SDL_CONTROLLER_BUTTON_B, down); break;
    case Input::start: pad.button(SDL_CONTROLLER_BUTTON_START, down); break;
    }
}

// What the window looked like around a press: before it, while held, after
// the release.
struct Seen {
    Integer KK = 0, KKU = 0, heldKK = 0, heldKKU = 0, afterKKU = 0;
    int levelBefore = 0, levelAfter = 0;
    bool runningBefore = false, startedAfter = false, boxOpenAfter = false;
    std::vector<int> lines;
};

class PadMap : public PadWindow {
protected:
    Seen pressIn(PadMode mode, Input input) {
        Seen seen;
        auto act = [&] {
            EXPECT_EQ(form_->gamepad().mode(), mode);
            seen.KK = s().KK, seen.KKU = s().KKU, seen.levelBefore = s().N_KRI;
            seen.runningBefore = form_->round().running();
            seen_.lines.clear();
            push(pad(), input, true);
            // The window's own looks at the pads, between ticks or at each.
            lookedAt([&] {
                return s().KK != seen.KK || s().N_KRI != seen.levelBefore ||
                       form_->round().running() != seen.runningBefore || !QApplication::activeModalWidget() != (mode != PadMode::endBox);
            });
            seen.heldKK = s().KK, seen.heldKKU = s().KKU;
            push(pad(), input, false);
            lookedAt([&] { return s().KKU != seen.heldKKU; });
            seen.afterKKU = s().KKU;
            seen.levelAfter = s().N_KRI;
            seen.startedAfter = form_->round().running() && !seen.runningBefore;
            seen.boxOpenAfter = QApplication::activeModalWidget() != nullptr;
            seen.lines = seen_.lines;
        };
        switch (mode) {
        case PadMode::idle: act(); break;
        case PadMode::replay: form_->lockPlayerInput(); act(); break;
        case PadMode::round:
            form_->pressStart();
            act();
            break;
        case PadMode::endBox: inEndBox(act); break;
        }
        return seen;
    }

    // Until `reacted` holds, or long enough for a dozen looks at the pads.
    static void lookedAt(const std::function<bool()>& reacted) {
        QElapsedTimer clock;
        clock.start();
        while (!reacted() && clock.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    // Runs `act` while the end box of a round lost in tick 60 is open, then
    // closes the box if `act` left it open.
    void inEndBox(const std::function<void()>& act) {
        bool acted = false;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (acted || !box || !box->isVisible()) return;
            acted = true;
            box->activateWindow();
            waitUntil([box] { return QApplication::activeWindow() == box; }, 500);
            act();
            if (box->isVisible()) box->button(QMessageBox::Ok)->click();
        });
        watch.start();
        form_->pressStart();
        ASSERT_TRUE(waitUntil([&] { return acted && !QApplication::activeModalWidget(); }, 5000));
    }
};

TEST_F(PadMap, EachButtonInEachPlaceOfTheGame) {
    const PadMode modes[] = {PadMode::round, PadMode::idle, PadMode::endBox, PadMode::replay};
    const Input inputs[] = {Input::dpad, Input::stick, Input::a, Input::x, Input::b, Input::start};
    using R = Reaction;
    const Reaction expected[4][6] = {
        // D-pad down, stick down, A, X, B, Start
        {R::holdsDown, R::holdsDown, R::holdsFire, R::holdsFire, R::nothing, R::nothing},  // round
        {R::levelBelow, R::levelBelow, R::starts, R::nothing, R::nothing, R::starts},      // no round
        {R::nothing, R::nothing, R::closesBox, R::nothing, R::closesBox, R::closesBox},    // end box
        {R::nothing, R::nothing, R::nothing, R::nothing, R::nothing, R::nothing},          // replay
    };
    for (size_t m = 0; m < 4; ++m) {
        for (size_t i = 0; i < 6; ++i) {
            SCOPED_TRACE(testing::Message() << "mode " << m << " input " << i);
            TearDown();
            open(modes[m] == PadMode::endBox ? kQuickDefeatSeed : kLongRoundSeed);
            const Seen seen = pressIn(modes[m], inputs[i]);
            const Reaction r = expected[m][i];
            const Integer held = r == R::holdsDown ? 40 : r == R::holdsFire ? 49 : 0;
            if (held) {
                EXPECT_EQ(seen.heldKK, held);
                EXPECT_EQ(seen.heldKKU, 0);
                EXPECT_EQ(seen.afterKKU, held);
                EXPECT_EQ(seen.lines, (std::vector<int>{down(held), up(held)}));
            } else if (r == R::closesBox) {  // as Return does, and written down as Return
                EXPECT_FALSE(seen.boxOpenAfter);
                EXPECT_EQ(seen.lines, (std::vector<int>{down(13), up(13)}));
            } else {
                EXPECT_EQ(seen.heldKK, seen.KK);
                EXPECT_EQ(seen.afterKKU, seen.KKU);
                EXPECT_EQ(seen.lines, std::vector<int>{});
                EXPECT_EQ(seen.boxOpenAfter, modes[m] == PadMode::endBox);
            }
            EXPECT_EQ(seen.levelAfter, r == R::levelBelow ? seen.levelBefore + 1 : seen.levelBefore);
            EXPECT_EQ(seen.startedAfter, r == R::starts);
        }
    }
}

TEST_F(PadWindow, APressSteersTheNextTick) {
    open(kLongRoundSeed);
    form_->pressStart();
    long long pressedAt = -1, seenAt = -1;
    seen_.onTick = [&] {  // after the pad's own look at this tick
        if (pressedAt < 0 && seen_.ticks == 20) {
            pad().button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
            pressedAt = seen_.ticks;
        }
        if (seenAt < 0 && s().KK == 37 && s().KKU == 0) seenAt = seen_.ticks;
    };
    ASSERT_TRUE(waitUntil([&] { return seenAt >= 0; }, 2000));
    EXPECT_EQ(seenAt, pressedAt + 1);
}

TEST_F(PadWindow, TwoPadsHoldTogetherAndAnUnpluggedPadLetsGo) {
    open(kLongRoundSeed);
    form_->pressStart();
    pads_.emplace_back(std::make_unique<VirtualPad>());
    look();
    seen_.lines.clear();
    pad(0).button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pad(1).axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    look();
    pad(0).button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    look();
    EXPECT_EQ(s().KK, 37);
    EXPECT_EQ(s().KKU, 0) << "the second pad still holds left";
    pad(1).unplug();
    look();
    EXPECT_EQ(s().KKU, 37) << "an unplugged pad still holds left";
    EXPECT_EQ(seen_.lines, (std::vector<int>{down(37), up(37)})) << "a press counted twice";
}

TEST_F(PadWindow, PressesWhileAnotherWindowIsActiveDoNothing) {
    open(kLongRoundSeed);
    form_->pressStart();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &other; }, 1000));
    pad().button(SDL_CONTROLLER_BUTTON_A, true);
    look();
    EXPECT_NE(s().KK, 49);
    form_->activateWindow();
    ASSERT_TRUE(waitUntil([this] { return QApplication::activeWindow() == form_.get(); }, 1000));
    look();
    EXPECT_NE(s().KK, 49) << "a press made elsewhere counted once back";
    pad().button(SDL_CONTROLLER_BUTTON_A, false);
    look();
    pad().button(SDL_CONTROLLER_BUTTON_A, true);
    look();
    EXPECT_EQ(s().KK, 49);
}

TEST_F(PadWindow, SaysWhichPadCameAndWent) {
    open(kLongRoundSeed);
    auto* line = form_->findChild<QLabel*>(QStringLiteral("padLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->toolTip(), QStringLiteral("Геймпад: Krivol Test Pad"));
    pad().unplug();
    look();
    EXPECT_EQ(line->toolTip(), QStringLiteral("Геймпад отключён: Krivol Test Pad"));
    EXPECT_TRUE(waitUntil([line] { return !line->isVisible(); }, 4000)) << "the line stays";
    EXPECT_TRUE(form_->findChild<QLabel*>(QStringLiteral("previewStatus"))->isVisible());
}

TEST(PadModule, FoundBesideTheProgramOrNoPad) {
    const struct {
        const char* folder;
        bool found;
    } cases[] = {{KRIVOL_BIN_DIR, true}, {KRIVOL_BIN_DIR "/no-such-folder", false}};
    for (const auto& c : cases) EXPECT_EQ(loadPads(QString::fromUtf8(c.folder)) != nullptr, c.found) << c.folder;
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

// Keys reach the game's handlers first, whatever has the focus.
#include <QRadioButton>

#include "round/keys.h"
#include "shell/key_codes.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

using KeyPair = std::pair<Integer, Integer>;  // KK, KKU

// A letter of the Russian layout: Qt reports it by its code point.
constexpr int kCyrillicA = 0x0410;

class WindowKeys : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        open(kLongRoundSeed);
        to_ = control("Command1");
    }
    bool press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false) {
        return sendKey(to_, QEvent::KeyPress, key, mods, repeat);
    }
    bool release(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false) {
        return sendKey(to_, QEvent::KeyRelease, key, mods, repeat);
    }
    KeyPair keys() { return {form_->state().KK, form_->state().KKU}; }

    QObject* to_ = nullptr;
};

TEST(WindowKeyCodes, QtKeysBecomeTheirVirtualKeyCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        Integer code;
    };
    const Case cases[] = {
        {Qt::Key_Left, Qt::NoModifier, 37},   {Qt::Key_Up, Qt::NoModifier, 38},
        {Qt::Key_Right, Qt::NoModifier, 39},  {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Left, Qt::KeypadModifier, 37},  // keypad arrow with Num Lock off
        {Qt::Key_1, Qt::NoModifier, 49},      {Qt::Key_1, Qt::KeypadModifier, 97},
        {Qt::Key_0, Qt::NoModifier, 48},      {Qt::Key_9, Qt::NoModifier, 57},
        {Qt::Key_0, Qt::KeypadModifier, 96},  {Qt::Key_9, Qt::KeypadModifier, 105},
        {Qt::Key_A, Qt::NoModifier, 65},      {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_Space, Qt::NoModifier, 32},  {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Tab, Qt::NoModifier, 9},     {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_F1, Qt::NoModifier, 112},    {Qt::Key_F12, Qt::NoModifier, 123},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},  // Shift+1
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106}, {Qt::Key_Asterisk, Qt::ShiftModifier, 56},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {kCyrillicA, Qt::NoModifier, 0},  {Qt::Key_F35, Qt::NoModifier, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(virtualKeyCode(c.key, c.mods), c.code) << "Qt key 0x" << std::hex << c.key;
}

TEST_F(WindowKeys, PressSetsKKAndClearsKKUReleaseSetsKKU) {
    press(Qt::Key_Left);
    EXPECT_EQ(keys(), KeyPair(37, 0));
    release(Qt::Key_Left);
    EXPECT_EQ(keys(), KeyPair(37, 37));
    press(Qt::Key_Left);  // the same key again is held again
    EXPECT_EQ(keys(), KeyPair(37, 0));
}

TEST_F(WindowKeys, ReleasingTheFirstOfTwoKeysKeepsTheSecondHeld) {
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    release(Qt::Key_Left);
    EXPECT_EQ(keys(), KeyPair(38, 37));
}

TEST_F(WindowKeys, ReleasingTheSecondEndsTheHoldUntilTheFirstRepeats) {
    press(Qt::Key_A);
    press(Qt::Key_B);
    release(Qt::Key_B);
    EXPECT_EQ(keys(), KeyPair(66, 66));
    press(Qt::Key_A, Qt::NoModifier, true);  // the keyboard repeating the A still down
    EXPECT_EQ(keys(), KeyPair(65, 0));
}

TEST_F(WindowKeys, AutoRepeatReleasesDoNotEndAHeldKey) {
    press(Qt::Key_Right);
    for (int i = 0; i < 3; ++i) {
        release(Qt::Key_Right, Qt::NoModifier, true);
        EXPECT_EQ(keys(), KeyPair(39, 0));
        press(Qt::Key_Right, Qt::NoModifier, true);
        EXPECT_EQ(keys(), KeyPair(39, 0));
    }
    release(Qt::Key_Right);
    EXPECT_EQ(keys(), KeyPair(39, 39));
}

TEST_F(WindowKeys, ReachTheGameWhateverHasTheFocus) {
    for (const char* name : {"Command1", "OptKri(2)", "Pic1", "Form1"}) {
        QObject* target = QLatin1String(name) == QLatin1String("Form1") ? form_.get() : control(name);
        sendKey(target, QEvent::KeyPress, Qt::Key_Down);
        EXPECT_EQ(keys(), KeyPair(40, 0)) << name;
        sendKey(target, QEvent::KeyRelease, Qt::Key_Down);
        EXPECT_EQ(keys(), KeyPair(40, 40)) << name;
    }
}

TEST_F(WindowKeys, UnknownKeyPressesEndTheHoldAndDoNothingElse) {
    press(Qt::Key_Left);
    press(kCyrillicA);
    EXPECT_EQ(keys(), KeyPair(0, 0));
}

TEST_F(WindowKeys, DuringARoundArrowsAndOneGoOnlyToTheGame) {
    struct Arrived : QObject {
        QList<int> keys;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress) keys.append(static_cast<QKeyEvent*>(e)->key());
            return false;
        }
    } arrived;
    auto* option = control<QRadioButton>("OptKri(1)");
    option->installEventFilter(&arrived);
    const QList<int> gameKeys{Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_1};

    for (int key : gameKeys) sendKey(option, QEvent::KeyPress, key);
    EXPECT_EQ(arrived.keys, gameKeys) << "between rounds the control gets its keys";
    arrived.keys.clear();
    option->click();  // level 1 again, whatever the arrows chose

    clickStart();
    ASSERT_TRUE(form_->round().running());
    for (int key : gameKeys) {
        sendKey(option, QEvent::KeyPress, key);
        EXPECT_EQ(form_->state().KK, virtualKeyCode(key, Qt::NoModifier));
        sendKey(option, QEvent::KeyRelease, key);
    }
    sendKey(option, QEvent::KeyPress, Qt::Key_A);
    EXPECT_EQ(arrived.keys, QList<int>{Qt::Key_A}) << "game keys reached the control during a round";
    EXPECT_TRUE(option->isChecked());
    EXPECT_EQ(form_->state().N_KRI, 1);
    form_->close();
}

// The main keyboard's "1" fires; the keypad's does not.
TEST_F(WindowKeys, OnlyTheMainKeyboardOneFires) {
    long long ticks = 0;
    tickCounter_.onTick = [&](long long t) { ticks = t; };
    clickStart();
    const GameState& s = form_->state();
    const Integer shots = s.K0P;
    ASSERT_GE(shots, 1);
    press(Qt::Key_Left);  // walk, so a shot has a direction
    ASSERT_TRUE(waitUntil([&] { return ticks >= 5; }, 3000));
    release(Qt::Key_Left);
    press(Qt::Key_1, Qt::KeypadModifier);
    const long long from = ticks;
    ASSERT_TRUE(waitUntil([&] { return ticks >= from + 20; }, 3000));
    EXPECT_EQ(s.K0P, shots) << "keypad 1 fired";
    release(Qt::Key_1, Qt::KeypadModifier);
    press(Qt::Key_1);
    EXPECT_TRUE(waitUntil([&] { return s.K0P < shots; }, 3000)) << "main 1 did not fire";
    release(Qt::Key_1);
    form_->close();
    EXPECT_TRUE(boxes_.seen.empty()) << "the round ended under the test";
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

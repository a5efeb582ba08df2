#pragma once
// Shared by the window suites: a Form1 on levels made by the test, a fixed
// seed and a sound port that records instead of playing.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "round/session.h"
#include "shell/form1.h"
#include "support/level_grid.h"

namespace krivol::test {

// Seeds on the open room, found with krivol-cli: the idle hero survives
// 2000 ticks with seed 1 and is caught in tick 60 with seed 27.
constexpr std::uint32_t kLongRoundSeed = 1;
constexpr std::uint32_t kQuickDefeatSeed = 27;

// Level 2: the open room with a wall block in the middle.
inline LevelGrid roomWithBlock() { return LevelGrid::openRoom().walls(10, 10, 20, 20); }

// Spins the event loop until `done` holds. `ms` is about what that takes; the
// wait gives up only far beyond it, as a guard against a hung test, so that a
// busy machine makes a test slower but not failed.
inline bool waitUntil(const std::function<bool()>& done, int ms) {
    const qint64 giveUp = std::max<qint64>(20LL * ms, 60000);
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > giveUp) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Spins the event loop for `ms`.
inline void spin(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A key event as the platform delivers it, sent to `to` through the application.
inline bool sendKey(QObject* to, QEvent::Type type, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    bool autoRepeat = false) {
    QKeyEvent event(type, key, mods, QString(), autoRepeat);
    return QCoreApplication::sendEvent(to, &event);
}

// What an end or error box showed, taken while it was open.
struct SeenBox {
    QString caption, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool gameTimerActive = false;
    QStringList soundsSoFar;
};

// Closes every modal message box as soon as it opens, noting what it showed
// (and whatever `note` adds), so no test ever waits on a box.
class BoxWatcher {
public:
    BoxWatcher() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { look(); });
        poll_.start();
    }
    std::vector<SeenBox> seen;
    std::function<void(SeenBox&)> note;

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        SeenBox s;
        s.caption = box->windowTitle();
        s.text = box->text();
        s.buttons = static_cast<int>(box->buttons().size());
        s.icon = box->icon();
        if (note) note(s);
        seen.push_back(s);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
        else box->reject();
    }
    QTimer poll_;
};

// Follows the window's rounds: `onTick` gets the ticks played since the
// round began, after each tick and before any end box.
class TickCounter : public GameWatcher {
public:
    void roundStarted(const LevelReading&) override { ticks_ = 0; }
    void tickPlayed(RoundEnd) override {
        ++ticks_;
        if (onTick) onTick(ticks_);
    }
    std::function<void(long long)> onTick;

private:
    long long ticks_ = 0;
};

// A window on a temporary folder: level 1 the open room, level 2 the room
// with a block, no level 3.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        LevelGrid::openRoom().save(dir_.filePath(QStringLiteral("KRIVOL01.BMP")));
        roomWithBlock().save(dir_.filePath(QStringLiteral("KRIVOL02.BMP")));
    }

    Form1& open(std::uint32_t seed) {
        auto sound = std::make_unique<RecordingSound>();
        sounds_ = sound.get();
        form_ = std::make_unique<Form1>(dir_.path(), seed, std::move(sound));
        form_->addWatcher(tickCounter_);
        return *form_;
    }

    template <class W = QWidget>
    W* control(const char* name) {
        W* w = form_->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void clickStart() { control<QPushButton>("Command1")->click(); }

    QStringList& sounds() { return sounds_->requests; }
    QString folder() const { return dir_.path(); }

    QTemporaryDir dir_;
    BoxWatcher boxes_;
    TickCounter tickCounter_;  // outlives form_, which calls it
    std::unique_ptr<Form1> form_;
    RecordingSound* sounds_ = nullptr;
};

inline int runWindowTests(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Editors under test keep their recovery copies here, never in the player's home.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace krivol::test

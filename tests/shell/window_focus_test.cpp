// The keyboard reaches Старт and, after an end box, the game window again.
#include <QPushButton>

#include "window_fixture.h"

namespace krivol::test {
namespace {

class WindowFocus : public WindowTest {
protected:
    // A fresh window with the keyboard, Старт focused as at start-up.
    void openActive() {
        open(kQuickDefeatSeed);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(waitUntil([this] { return QApplication::activeWindow() == form_.get(); }, 500));
        start_ = control<QPushButton>("Command1");
        ASSERT_TRUE(start_->hasFocus());
    }
    // As the keyboard gives it: press, then release.
    void type(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        sendKey(start_, QEvent::KeyPress, key, mods);
        sendKey(start_, QEvent::KeyRelease, key, mods);
    }
    QPushButton* start_ = nullptr;
};

TEST_F(WindowFocus, ReturnEnterAndSpaceOnStartBeginARound) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    };
    const Case cases[] = {{"Return", Qt::Key_Return, Qt::NoModifier},
                          {"Enter", Qt::Key_Enter, Qt::KeypadModifier},
                          {"Space", Qt::Key_Space, Qt::NoModifier}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openActive();
        type(c.key, c.mods);
        EXPECT_TRUE(form_->round().running());
        EXPECT_TRUE(waitUntil([this] { return !form_->round().running(); }, 1000));  // caught in tick 60
    }
    EXPECT_EQ(boxes_.seen.size(), 3u);
}

// The box closes while another window holds the keyboard, as happens when the
// pointer rests over it on a focus-follows-pointer desktop.
TEST_F(WindowFocus, TheWindowHasTheKeyboardAgainAfterTheEndBox) {
    openActive();
    QWidget elsewhere;
    elsewhere.setWindowTitle(QStringLiteral("elsewhere"));
    boxes_.note = [&elsewhere](SeenBox&) {
        elsewhere.show();
        elsewhere.activateWindow();
        waitUntil([&elsewhere] { return QApplication::activeWindow() == &elsewhere; }, 500);
    };
    type(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([this] { return boxes_.seen.size() == 1; }, 2000));
    ASSERT_TRUE(waitUntil([this] { return !form_->round().running(); }, 500));
    EXPECT_TRUE(waitUntil([this] { return QApplication::activeWindow() == form_.get(); }, 500));
    EXPECT_TRUE(start_->hasFocus());
    EXPECT_EQ(boxes_.seen[0].text, defeatText());
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

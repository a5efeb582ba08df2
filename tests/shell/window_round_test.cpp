// Rounds in the window: the timer, the end boxes, clicks during a round,
// closing, and what reaches the screen.
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <random>

#include "shell/damage_join.h"
#include "shell/window_ports.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

// Wall cells of the block that only level 2 has.
int wallsInBlock(const Field& FLD) {
    int walls = 0;
    for (int y = 10; y <= 20; ++y)
        for (int x = 10; x <= 20; ++x) walls += FLD(x, y) == cell::kWall;
    return walls;
}

bool sameField(const Field& a, const Field& b) {
    for (int y = 0; y <= kGridMax; ++y)
        for (int x = 0; x <= kGridMax; ++x)
            if (a(x, y) != b(x, y)) return false;
    return true;
}

class WindowRound : public WindowTest {
protected:
    Form1& openCounting(std::uint32_t seed) {
        Form1& form = open(seed);
        tickCounter_.onTick = [this](long long t) {
            ticks_ = t;
            if (onTick_) onTick_(t);
        };
        return form;
    }
    bool waitTicks(long long n) {
        const long long until = ticks_ + n;
        return waitUntil([&] { return ticks_ >= until; }, 5000);
    }

    long long ticks_ = 0;
    std::function<void(long long)> onTick_;
};

TEST_F(WindowRound, DefeatBoxOpensWithTheTimerIdleThenTheFieldIsClearedAndTheRoundIdle) {
    Form1& form = openCounting(kQuickDefeatSeed);
    boxes_.note = [&](SeenBox& b) {
        b.gameTimerActive = form.ticking();
        b.soundsSoFar = sounds();
    };
    clickStart();
    ASSERT_TRUE(form.ticking());
    ASSERT_TRUE(waitUntil([&] { return !boxes_.seen.empty() && !form.round().running(); }, 10000));
    ASSERT_EQ(boxes_.seen.size(), 1u);
    const SeenBox& box = boxes_.seen[0];
    EXPECT_EQ(box.caption, QStringLiteral("krivol"));
    EXPECT_EQ(box.text, QStringLiteral("Вы проиграли !!!\r\n\r\nПопробуйте снова!"));
    EXPECT_EQ(box.buttons, 1);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_FALSE(box.gameTimerActive) << "ticks ran behind the box";
    ASSERT_FALSE(box.soundsSoFar.isEmpty());
    EXPECT_EQ(box.soundsSoFar.last(), QStringLiteral("взрыв.wav"));
    EXPECT_EQ(ticks_, 60);

    const GameState& s = form.state();
    EXPECT_EQ(s.g_over, 0);
    EXPECT_FALSE(form.ticking());
    QImage blank(600, 600, QImage::Format_RGB32);
    blank.fill(kWindowBackground);
    EXPECT_EQ(form.pictures().Pic1, blank) << "the field was not cleared";
    EXPECT_EQ(control<QLabel>("Label1")->text(), QString::number(s.SCORE));
    const long long ended = ticks_;
    spin(100);
    EXPECT_EQ(ticks_, ended) << "ticks after the round's end";
}

TEST_F(WindowRound, VictoryBoxText) {
    Form1& form = open(kLongRoundSeed);
    EndMessageBoxes boxes(form);
    boxes.showVictory();
    ASSERT_EQ(boxes_.seen.size(), 1u);
    EXPECT_EQ(boxes_.seen[0].caption, QStringLiteral("krivol"));
    EXPECT_EQ(boxes_.seen[0].text, QStringLiteral("П О Б Е Д А ! ! !"));
    EXPECT_EQ(boxes_.seen[0].buttons, 1);
    EXPECT_EQ(boxes_.seen[0].icon, QMessageBox::NoIcon);
}

TEST_F(WindowRound, StartDuringARoundIsRefused) {
    Form1& form = openCounting(kLongRoundSeed);
    clickStart();
    ASSERT_TRUE(waitTicks(10));
    const GameState& s = form.state();
    const Field before = s.FLD;
    const auto draws = form.random().draws();
    const auto ttg = s.TTG;
    clickStart();
    EXPECT_EQ(form.random().draws(), draws) << "a second round was set up";
    EXPECT_EQ(s.TTG, ttg);
    EXPECT_TRUE(sameField(s.FLD, before));
    EXPECT_TRUE(form.round().running());
    EXPECT_TRUE(form.ticking());
    ASSERT_TRUE(waitTicks(5));
    EXPECT_TRUE(boxes_.seen.empty());
    form.close();
}

TEST_F(WindowRound, LevelClickDuringARoundChangesPreviewAndNextRoundOnly) {
    Form1& form = openCounting(kQuickDefeatSeed);
    const GameState& s = form.state();
    onTick_ = [&](long long t) {
        if (t == 10) control<QRadioButton>("OptKri(2)")->click();
    };
    clickStart();
    ASSERT_TRUE(waitTicks(20));
    EXPECT_EQ(s.N_KRI, 2);
    EXPECT_EQ(form.pictures().PicLOAD.copy(0, 0, 50, 50),
              QImage(dir_.filePath(QStringLiteral("KRIVOL02.BMP"))).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(wallsInBlock(s.FLD), 0) << "the running round took the new level";
    EXPECT_TRUE(form.round().running());

    ASSERT_TRUE(waitUntil([&] { return !form.round().running(); }, 10000));  // caught in tick 60
    onTick_ = {};
    clickStart();
    EXPECT_TRUE(form.round().running());
    EXPECT_GE(wallsInBlock(s.FLD), 100) << "the next round did not load level 2";

    control<QRadioButton>("OptKri(3)")->click();  // no such file
    EXPECT_EQ(s.N_KRI, 3);
    auto* status = control<QLabel>("previewStatus");
    EXPECT_TRUE(status->text().contains(QStringLiteral("KRIVOL03.BMP")));
    control<QRadioButton>("OptKri(1)")->click();
    EXPECT_TRUE(status->text().isEmpty());
    form.close();
}

TEST_F(WindowRound, ClosingDuringARoundStopsAtOnceWithoutABox) {
    Form1& form = openCounting(kLongRoundSeed);
    form.show();
    clickStart();
    ASSERT_TRUE(waitTicks(10));
    sounds().clear();
    form.close();
    EXPECT_EQ(form.state().g_over, 1);
    EXPECT_EQ(sounds(), QStringList{QString()}) << "the sound was not stopped";
    EXPECT_FALSE(form.ticking());
    EXPECT_FALSE(form.isVisible());
    const long long closed = ticks_;
    spin(150);
    EXPECT_EQ(ticks_, closed);
    EXPECT_TRUE(boxes_.seen.empty());
}

// What reaches the screen equals the field image, although only the changed
// rectangles are repainted each tick.
TEST_F(WindowRound, ScreenShowsTheFieldExactlyFromPartialRepaints) {
    Form1& form = openCounting(kLongRoundSeed);
    form.show();
    ASSERT_TRUE(waitUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }, 3000));
    spin(50);

    struct PaintCount : QObject {
        long long pixels = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) {
                for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixels += 1LL * r.width() * r.height();
            }
            return false;
        }
    } painted;
    QWidget* pic1 = control("Pic1");
    pic1->installEventFilter(&painted);

    std::vector<long long> checked;
    int wrongPixels = 0;
    long long paintedFromTick2 = 0;
    onTick_ = [&](long long t) {
        if (t == 2) paintedFromTick2 = painted.pixels;
        if (t % 30 != 0) return;
        spin(40);  // let this tick's repaint reach the window before the next tick
        const QImage shown = form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage field = shown.copy(151, 9, 600, 600);
        const QImage& truth = form.pictures().Pic1;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 600; ++x) wrongPixels += field.pixel(x, y) != truth.pixel(x, y);
        checked.push_back(t);
    };
    clickStart();
    ASSERT_TRUE(waitUntil([&] { return checked.size() == 3; }, 10000));
    const long long perTick = (painted.pixels - paintedFromTick2) / (ticks_ - 2);
    form.close();
    EXPECT_EQ(wrongPixels, 0);
    EXPECT_GT(perTick, 0);
    EXPECT_LT(perTick, 600 * 600 / 20) << "the field is repainted whole";
}

TEST(WindowRepaint, JoinedRectanglesCoverEveryChangeAndNoTwoTouch) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> size(1, 14);
    for (int round = 0; round < 200; ++round) {
        std::uniform_int_distribution<int> at(0, 40 + 3 * round);  // crowded to sparse
        std::vector<QRect> rects;
        for (int i = 0; i < 1 + round % 40; ++i) rects.emplace_back(at(gen), at(gen), size(gen), size(gen));
        std::vector<QRect> joined = rects;
        joined.resize(joinTouching(joined));
        for (const QRect& r : rects) {
            EXPECT_TRUE(std::any_of(joined.begin(), joined.end(), [&](const QRect& j) { return j.contains(r); }));
        }
        for (size_t a = 0; a < joined.size(); ++a)
            for (size_t b = a + 1; b < joined.size(); ++b)
                EXPECT_FALSE(joined[a].adjusted(-1, -1, 1, 1).intersects(joined[b])) << "round " << round;
    }
    // A sprite one pixel on from where it was: one repaint.
    std::vector<QRect> step{{100, 100, 12, 12}, {101, 100, 12, 12}, {300, 300, 12, 12}};
    EXPECT_EQ(joinTouching(step), 2u);
    EXPECT_EQ(step[0], QRect(100, 100, 13, 12));
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

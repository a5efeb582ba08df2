// The sound port opens after the window's first frame, or at the first request.
#include <QWidget>

#include "shell/late_sound.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

struct CountingSound : SoundPort {
    explicit CountingSound(QStringList& played) : played_(played) {}
    void WAV(const QString& name) override { played_ << name; }
    QStringList& played_;
};

class LateSoundTest : public ::testing::Test {
protected:
    LateSound::Maker maker() {
        return [this] {
            ++opened_;
            return std::make_unique<CountingSound>(played_);
        };
    }
    QWidget window_;
    int opened_ = 0;
    QStringList played_;
};

TEST_F(LateSoundTest, OpensOnceAfterTheFirstPaintNotBefore) {
    LateSound sound(window_, maker());
    spin(50);
    EXPECT_EQ(opened_, 0) << "opened before the window was shown";
    window_.show();
    ASSERT_TRUE(waitUntil([this] { return opened_ > 0; }, 500));
    window_.repaint();
    spin(50);
    sound.WAV(QStringLiteral("b.WAV"));
    EXPECT_EQ(opened_, 1);
    EXPECT_EQ(played_, QStringList{QStringLiteral("b.WAV")});
}

TEST_F(LateSoundTest, AnEarlyRequestOpensAtOnceAndIsPlayed) {
    LateSound sound(window_, maker());
    sound.WAV(QStringLiteral("g.WAV"));
    EXPECT_EQ(opened_, 1);
    EXPECT_EQ(played_, QStringList{QStringLiteral("g.WAV")});
    window_.show();
    spin(100);
    EXPECT_EQ(opened_, 1) << "opened a second time on the first paint";
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

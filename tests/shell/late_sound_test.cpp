// The sound port opens after the window's first frame, or at the first request,
// from the sound module.
#include <QWidget>
#include <typeinfo>

#include "shell/late_sound.h"
#include "shell/sound_loader.h"
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

// The module beside the program gives the game's sounds; without it the game
// goes on silent. (The real-server suite plays through the module too.)
TEST(SoundModule, FoundBesideTheProgramOrSilent) {
    const struct {
        const char* folder;
        bool found;
    } cases[] = {{KRIVOL_BIN_DIR, true}, {KRIVOL_BIN_DIR "/no-such-folder", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::unique_ptr<SoundPort> sound = loadSound(QString::fromUtf8(c.folder), DataFolders(KRIVOL_BIN_DIR));
        ASSERT_NE(sound, nullptr);
        const SoundPort& port = *sound;
        EXPECT_EQ(typeid(port) != typeid(SoundPort), c.found);
    }
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

// The bin folder of the build is what a player gets: the game, the headless
// tool and their data. Test and benchmark programs live in folders of their own.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

namespace krivol {
namespace {

TEST(BuildLayout, BinHoldsOnlyTheProgramsAndTheirData) {
    const QRegularExpression shipped(
        QStringLiteral(u"^(krivol|krivol-cli|krivol-sound\\.so|krivol-video\\.so|krivol-gamepad\\.so|KRIVOL\\d\\d\\.BMP|b\\.WAV|g\\.WAV|die\\.wav|взрыв\\.wav)$"));
    const QStringList files = QDir(KRIVOL_BIN_DIR).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_TRUE(files.contains("krivol-cli"));
    for (const QString& name : files)
        EXPECT_TRUE(shipped.match(name).hasMatch()) << name.toStdString() << " does not belong in " KRIVOL_BIN_DIR;
}

}  // namespace
}  // namespace krivol

// The editor's recovery copy in the window: the start-up question and each
// answer, and what each way of leaving does with the copy.
#include <QLabel>

#include "editor/recovery_copy.h"
#include "render/level_preview.h"
#include "shell/editor/editor_recovery.h"
#include "shell/editor/editor_window.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

class EditorRecoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        level_ = LevelGrid::openRoom().save(dir_.filePath(QStringLiteral("KRIVOL01.BMP")));
        useStateFolder(dir_.filePath(QStringLiteral("state")));
        answering_.setInterval(5);
        QObject::connect(&answering_, &QTimer::timeout, [this] { answerBox(); });
        answering_.start();
    }
    void useStateFolder(const QString& folder) {
        qputenv("XDG_STATE_HOME", folder.toLocal8Bit());
        copies_ = folder + QStringLiteral("/krivol");
    }
    EditorWindow& open(const QString& file) {
        window_ = std::make_unique<EditorWindow>(DataFolders(QStringLiteral(KRIVOL_BIN_DIR)), file, 1u);
        window_->show();
        return *window_;
    }
    void answerBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        asked_ << box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == answer_) return b->click();
        box->reject();
    }
    // A copy as an editor that was killed leaves it.
    void leaveCopy(const Field& grid, const QString& file) {
        RecoverySlot slot(copies_, 99999);
        ASSERT_FALSE(slot.write({grid, file, true, QDateTime::currentDateTimeUtc()}));
        left_ = slot.copyPath();
    }
    QStringList draftsInFolder() const { return QDir(copies_).entryList({QStringLiteral("*.draft")}); }
    QString note() const { return window_->findChild<QLabel*>(QStringLiteral("noteText"))->text(); }

    QTemporaryDir dir_;
    QString level_, copies_, left_, answer_;
    QStringList asked_;
    QTimer answering_;
    std::unique_ptr<EditorWindow> window_;
};

TEST_F(EditorRecoveryTest, AtStartACopyLeftBehindIsRestoredRemovedOrKept) {
    Field drawn = readLevelFile(level_).FLD;
    drawn.set(10, 10, cell::kWall);
    drawn.set(11, 12, cell::kFloor);
    const QString other = dir_.filePath(QStringLiteral("KRIVOL05.BMP"));
    struct Case {
        const char* answer;
        bool restored, leftStays;
    };
    for (const Case c : {Case{"Восстановить", true, false}, Case{"Удалить копию", false, false},
                         Case{"Оставить на потом", false, true}}) {
        SCOPED_TRACE(c.answer);
        answer_ = QString::fromUtf8(c.answer);
        asked_.clear();
        leaveCopy(drawn, other);
        QFile junk(copies_ + QStringLiteral("/junk.draft"));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.close();
        EditorWindow& w = open(level_);
        ASSERT_TRUE(waitUntil([&] { return !asked_.isEmpty(); }, 200));
        spin(20);
        EXPECT_TRUE(asked_[0].contains(QStringLiteral("«KRIVOL05.BMP»"))) << asked_[0].toStdString();
        EXPECT_EQ(w.draft().grid()(10, 10), c.restored ? cell::kWall : cell::kDot);
        EXPECT_EQ(w.draft().grid()(11, 12), c.restored ? cell::kFloor : cell::kDot);
        EXPECT_EQ(w.draft().modified(), c.restored);
        EXPECT_EQ(w.file(), c.restored ? other : level_);
        EXPECT_EQ(QFile::exists(left_), c.leftStays);
        // The restored drawing is at once this editor's own copy.
        EXPECT_EQ(w.recovery().hasCopy(), c.restored);
        EXPECT_TRUE(note().contains(QStringLiteral("junk.draft (это не копия уровня)"))) << note().toStdString();
        window_.reset();
        if (c.leftStays) QFile::remove(left_);
    }
}

TEST_F(EditorRecoveryTest, TheCopyFollowsTheDrawingUntilSavedOrGivenUp) {
    struct Case {
        const char* ending;
        bool copyStays;
    };
    for (const Case c : {Case{"save", false}, Case{"Не сохранять", false}, Case{"leave now", true}}) {
        SCOPED_TRACE(c.ending);
        LevelGrid::openRoom().save(level_);
        EditorWindow& w = open(level_);
        w.draft().paint(Tool::pen, cell::kWall, QPoint(5, 5), QPoint(5, 5));
        EXPECT_FALSE(w.recovery().hasCopy()) << "written at the stroke itself";
        ASSERT_TRUE(waitUntil([&] { return w.recovery().hasCopy(); }, 1600));
        w.draft().paint(Tool::pen, cell::kFloor, QPoint(6, 5), QPoint(6, 5));
        const std::string ending = c.ending;
        answer_ = QString::fromUtf8(c.ending);
        if (ending == "save") {
            EXPECT_TRUE(w.save());
        }
        if (ending == "Не сохранять") w.close();
        if (ending == "leave now") w.leaveNow();
        window_.reset();
        EXPECT_EQ(draftsInFolder().size(), c.copyStays ? 1 : 0);
        if (!c.copyStays) continue;
        FoundCopies found = findLeftCopies(copies_);
        ASSERT_EQ(found.copies.size(), 1u);
        EXPECT_EQ(found.copies[0].copy.grid(6, 5), cell::kFloor) << "the last stroke is in it";
        EXPECT_EQ(found.copies[0].copy.file, level_);
        removeFound(found.copies[0]);
    }
}

TEST_F(EditorRecoveryTest, AStateFolderThatCannotBeWrittenCostsOneNoteAndNoEdit) {
    QFile(dir_.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly);
    useStateFolder(dir_.filePath(QStringLiteral("plain")));
    EditorWindow& w = open(level_);
    w.draft().paint(Tool::pen, cell::kWall, QPoint(5, 5), QPoint(5, 5));
    w.recovery().writeRecoveryNow();
    EXPECT_TRUE(note().contains(QStringLiteral("не записывается"))) << note().toStdString();
    w.draft().paint(Tool::pen, cell::kWall, QPoint(6, 5), QPoint(6, 5));
    w.findChild<QLabel*>(QStringLiteral("noteText"))->clear();
    w.recovery().writeRecoveryNow();
    EXPECT_TRUE(note().isEmpty()) << "noted again: " << note().toStdString();
    EXPECT_EQ(w.draft().grid()(6, 5), cell::kWall);
    EXPECT_TRUE(asked_.isEmpty());
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

// The level editor's window: keys, mouse drags, saving that keeps what it
// must, the question on leaving, and a test play in the game's window.
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "files/local_path.h"
#include "render/level_preview.h"
#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_window.h"
#include "support/file_size_limit.h"
#include "window_fixture.h"

namespace krivol::test {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        level_ = LevelGrid::openRoom().save(dir_.filePath(QStringLiteral("KRIVOL01.BMP")));
    }
    EditorWindow& open(const QString& file) {
        window_ = std::make_unique<EditorWindow>(DataFolders(QStringLiteral(KRIVOL_BIN_DIR)), file, 1u);
        window_->show();
        return *window_;
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        sendKey(&window_->canvas(), QEvent::KeyPress, k, mods);
        sendKey(&window_->canvas(), QEvent::KeyRelease, k, mods);
    }
    // An action's key as the window's shortcut map sees it.
    void shortcut(const QKeySequence& keys) {
        for (QAction* a : window_->findChildren<QAction*>())
            if (a->shortcuts().contains(keys)) return a->trigger();
        ADD_FAILURE() << "no action for " << keys.toString().toStdString();
    }
    Integer at(int x, int y) { return window_->draft().grid()(x, y); }
    void mouse(QEvent::Type type, QPoint cell, Qt::MouseButton button, Qt::MouseButtons held) {
        const double side = window_->canvas().width() / 50.0;
        const QPointF pos((cell.x() - 0.5) * side, (cell.y() - 0.5) * side);
        QMouseEvent event(type, pos, window_->canvas().mapToGlobal(pos), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&window_->canvas(), &event);
    }

    QTemporaryDir dir_;
    QString level_;
    std::unique_ptr<BoxWatcher> boxes_ = std::make_unique<BoxWatcher>();
    std::unique_ptr<EditorWindow> window_;
};

TEST_F(EditorWindowTest, KeyboardEditingStrokesUndoAndSave) {
    EditorWindow& w = open(level_);
    EXPECT_EQ(w.canvas().cursorCell(), QPoint(24, 27));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("KRIVOL01.BMP[*] — Редактор уровней Krivol"));

    key(Qt::Key_Left);
    key(Qt::Key_Left);
    key(Qt::Key_Space);  // wall, the first kind
    EXPECT_EQ(at(22, 27), cell::kWall);
    EXPECT_TRUE(w.isWindowModified());

    shortcut(QKeySequence(Qt::Key_3));  // empty floor
    sendKey(&w.canvas(), QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
    sendKey(&w.canvas(), QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
    sendKey(&w.canvas(), QEvent::KeyRelease, Qt::Key_Shift);
    EXPECT_EQ(at(22, 27), cell::kFloor);  // the cell the run starts on, too
    EXPECT_EQ(at(22, 29), cell::kFloor);
    EXPECT_EQ(w.draft().history().count(), 2);  // the Shift run is one step

    shortcut(QKeySequence(Qt::Key_9));  // mirror left-right
    shortcut(QKeySequence(Qt::Key_2));
    key(Qt::Key_Up);
    shortcut(QKeySequence(Qt::Key_1));
    key(Qt::Key_Space);
    EXPECT_EQ(at(22, 28), cell::kWall);
    EXPECT_EQ(at(29, 28), cell::kWall);

    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(at(29, 28), cell::kDot);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(at(29, 28), cell::kWall);

    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(w.isWindowModified());
    const LevelReading saved = readLevelFile(level_);
    ASSERT_TRUE(saved.picture.ok());
    for (int x = 1; x <= 50; ++x)
        for (int y = 1; y <= 50; ++y) ASSERT_EQ(saved.FLD(x, y), at(x, y)) << x << "," << y;
    EXPECT_TRUE(boxes_->seen.empty());
}

TEST_F(EditorWindowTest, MouseDragsAreOneStrokeAndTheRightButtonPaintsFloor) {
    EditorWindow& w = open(level_);
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    for (int x = 6; x <= 10; x += 2) mouse(QEvent::MouseMove, {x, 5}, Qt::NoButton, Qt::LeftButton);  // no gaps
    mouse(QEvent::MouseButtonRelease, {10, 5}, Qt::LeftButton, Qt::NoButton);
    for (int x = 5; x <= 10; ++x) EXPECT_EQ(at(x, 5), cell::kWall) << x;
    EXPECT_EQ(w.draft().history().count(), 1);

    shortcut(QKeySequence(Qt::Key_6));  // rectangle outline, dragged from corner to corner
    mouse(QEvent::MouseButtonPress, {20, 20}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {40, 40}, Qt::NoButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {23, 22}, Qt::NoButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {23, 22}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(at(20, 20), cell::kFloor);
    EXPECT_EQ(at(23, 22), cell::kFloor);
    EXPECT_EQ(at(21, 21), cell::kDot);
    EXPECT_EQ(at(40, 40), cell::kDot);  // the preview's corner went again
    EXPECT_EQ(w.draft().history().count(), 2);
}

TEST_F(EditorWindowTest, AFailedSaveKeepsTheChangesAndTheOldFile) {
    EditorWindow& w = open(level_);
    const QByteArray old = bytesOf(level_);
    key(Qt::Key_Space);
    {
        const FileSizeLimit full(1000);  // a disk that fills up half-way
        EXPECT_FALSE(w.save());
    }
    EXPECT_FALSE(w.saveTo(dir_.filePath(QStringLiteral("no/such/folder/x.bmp"))));
    if (geteuid() == 0) {
        // Root writes anywhere; as nobody, a folder without write access refuses.
        const QString locked = dir_.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkdir(locked));
        ::chmod(pathToLocal(dir_.path()).constData(), 0755);
        ::chmod(pathToLocal(locked).constData(), 0555);
        setfsuid(65534);
        const bool saved = w.saveTo(locked + QStringLiteral("/x.bmp"));
        setfsuid(0);
        EXPECT_FALSE(saved);
    }
    EXPECT_EQ(bytesOf(level_), old);
    EXPECT_TRUE(w.draft().modified());
    EXPECT_EQ(w.file(), level_);
    ASSERT_GE(boxes_->seen.size(), 2u);
    EXPECT_TRUE(boxes_->seen.front().text.contains(QStringLiteral("изменения остаются"))) << boxes_->seen.front().text.toStdString();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("KRIVOL01.BMP")});
}

TEST_F(EditorWindowTest, LeavingWithUnsavedChangesAsksSaveDiscardOrGoBack) {
    struct Case {
        const char* answer;
        bool closes, saved;
    };
    boxes_.reset();  // this test answers the boxes itself
    for (const Case c : {Case{"Вернуться", false, false}, Case{"Не сохранять", true, false}, Case{"Сохранить", true, true}}) {
        SCOPED_TRACE(c.answer);
        LevelGrid::openRoom().save(level_);
        EditorWindow& w = open(level_);
        key(Qt::Key_Space);
        QStringList buttons;
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            for (QAbstractButton* b : box->buttons()) buttons << b->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QString::fromUtf8(c.answer)) b->click();
        });
        answer.start();
        w.close();
        EXPECT_EQ(w.isVisible(), !c.closes);
        EXPECT_EQ(buttons.size(), 3) << buttons.join(',').toStdString();
        EXPECT_EQ(readLevelFile(level_).FLD(24, 27), c.saved ? cell::kWall : cell::kDot);
        window_.reset();
    }
}

TEST_F(EditorWindowTest, F5PlaysTheDraftAsLevelOneAndClosingTheGameComesBack) {
    EditorWindow& w = open(level_);
    key(Qt::Key_Left);
    key(Qt::Key_Space);  // unsaved
    shortcut(QKeySequence(Qt::Key_F5));
    ASSERT_NE(w.game(), nullptr);
    EXPECT_FALSE(w.isEnabled());
    const QImage& preview = w.game()->pictures().PicLOAD;
    EXPECT_EQ(preview.pixel(22, 26), 0xFF000000u);  // cell (23, 27): the new wall
    EXPECT_EQ(preview.pixel(24, 26), 0xFFFFFFFFu);
    w.game()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(w.game()->round().running());

    w.game()->close();
    ASSERT_TRUE(waitUntil([&] { return w.game() == nullptr; }, 100));
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(at(23, 27), cell::kWall);
    EXPECT_TRUE(w.draft().modified());

    // A level the game cannot play gets the check's reason instead.
    w.draft().paint({{1, 10}}, cell::kDot, QStringLiteral("hole"));
    w.play();
    EXPECT_EQ(w.game(), nullptr);
    ASSERT_EQ(boxes_->seen.size(), 1u);
    EXPECT_TRUE(boxes_->seen[0].text.contains(QStringLiteral("граница открыта"))) << boxes_->seen[0].text.toStdString();
}

TEST_F(EditorWindowTest, ANewFileStartsANewLevelSavedThereAndTheCheckIsShown) {
    const QString fresh = dir_.filePath(QStringLiteral("mine.bmp"));
    EditorWindow& w = open(fresh);
    EXPECT_EQ(w.draft().grid()(1, 1), cell::kWall);
    EXPECT_EQ(w.draft().grid()(2, 2), cell::kDot);
    EXPECT_TRUE(w.panelText().contains(QStringLiteral("можно играть")));
    w.draft().paint({kHeroStartCell}, cell::kWall, QStringLiteral("start"));
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("checkText"))->text().contains(QStringLiteral("стена")));
    EXPECT_TRUE(w.save());
    EXPECT_EQ(readLevelFile(fresh).FLD(24, 27), cell::kWall);
    EXPECT_FALSE(w.openFile(dir_.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_EQ(w.file(), fresh);  // a failed open leaves the level in hand
}

TEST_F(EditorWindowTest, OpeningSaysHowTheGameReadsLossyAndSmallPictures) {
    QImage lossy = QImage(level_).convertToFormat(QImage::Format_RGB32);
    lossy.setPixel(0, 0, qRgb(12, 9, 20));
    const struct {
        const char* file;
        QImage picture;
        QString said;
    } cases[] = {
        {"lossy.png", lossy, QStringLiteral("JPEG")},
        {"small.png", lossy.copy(0, 0, 40, 30), QStringLiteral("40 × 30 точек меньше 50 × 50")},
    };
    for (const auto& c : cases) {
        const QString path = dir_.filePath(QLatin1String(c.file));
        ASSERT_TRUE(c.picture.save(path));
        EditorWindow& w = open(path);
        EXPECT_TRUE(w.panelText().contains(c.said)) << c.file << ": " << w.panelText().toStdString();
    }
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

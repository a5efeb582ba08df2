// The level editor's window: keys, mouse drags, saving that keeps what it
// must, the question on leaving, and a test play in the game's window.
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>

#include "files/local_path.h"
#include "level_fixtures.h"
#include "render/level_preview.h"
#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_window.h"
#include "shell/level_messages.h"
#include "support/cli_run.h"
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
        // A copy one case leaves is never offered to the next one.
        qputenv("XDG_STATE_HOME", dir_.filePath(QStringLiteral("state")).toLocal8Bit());
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
    QAction* action(const QKeySequence& keys) {
        for (QAction* a : window_->findChildren<QAction*>())
            if (a->shortcuts().contains(keys)) return a;
        ADD_FAILURE() << "no action for " << keys.toString().toStdString();
        return nullptr;
    }
    void shortcut(const QKeySequence& keys) {
        if (QAction* a = action(keys)) a->trigger();
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
    EXPECT_EQ(action(QKeySequence(Qt::CTRL | Qt::Key_Z))->text(), QStringLiteral("Отменить: карандаш"));

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
    EXPECT_TRUE(boxes_->seen[0].text.contains(QStringLiteral("KRIVOL01.BMP: файл не записывается"))) << boxes_->seen[0].text.toStdString();
    EXPECT_TRUE(boxes_->seen[1].text.endsWith(QStringLiteral("x.bmp: такой папки нет"))) << boxes_->seen[1].text.toStdString();
    if (geteuid() == 0) {
        EXPECT_TRUE(boxes_->seen.back().text.endsWith(QStringLiteral("x.bmp: нет права на запись"))) << boxes_->seen.back().text.toStdString();
    }
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

// Told to end, the editor ends at once: it asks nothing, saves nothing, and
// takes a test play and an open question with it.
TEST_F(EditorWindowTest, LeaveNowEndsAtOnceWithoutAskingOrSaving) {
    enum class While { nothingChanged, unsaved, asking, playing };
    boxes_.reset();
    for (const While w : {While::nothingChanged, While::unsaved, While::asking, While::playing}) {
        SCOPED_TRACE(static_cast<int>(w));
        LevelGrid::openRoom().save(level_);
        const QByteArray old = bytesOf(level_);
        EditorWindow& editor = open(level_);
        if (w != While::nothingChanged) key(Qt::Key_Space);
        if (w == While::playing) {
            editor.play();
            ASSERT_NE(editor.game(), nullptr);
        }
        int asked = 0;
        QTimer leave;
        leave.setInterval(5);
        QObject::connect(&leave, &QTimer::timeout, [&] {
            if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) ++asked;
            editor.leaveNow();
        });
        if (w == While::asking) {
            leave.start();
            editor.close();  // the question opens, and the timer ends the editor under it
        } else {
            editor.leaveNow();
        }
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(asked, w == While::asking ? 1 : 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (w == While::playing) {
            // The program is ending: the test play closes and quits rather than coming back.
            EXPECT_TRUE(waitUntil([&] { return !editor.game()->isVisible(); }, 100));
        }
        EXPECT_EQ(bytesOf(level_), old);
        window_.reset();
        // Unsaved changes are kept for the next start, and only they.
        const QDir copies(dir_.filePath(QStringLiteral("state/krivol")));
        EXPECT_EQ(copies.entryList({QStringLiteral("*.draft")}, QDir::Files).size(), w == While::nothingChanged ? 0 : 1);
        QDir(dir_.filePath(QStringLiteral("state"))).removeRecursively();
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
    w.draft().paint(Tool::pen, cell::kDot, {1, 10}, {1, 10});
    w.play();
    EXPECT_EQ(w.game(), nullptr);
    ASSERT_EQ(boxes_->seen.size(), 1u);
    EXPECT_EQ(boxes_->seen[0].text, QStringLiteral("Уровень нельзя играть: %1.").arg(levelReason(w.draft().check())));
    EXPECT_TRUE(boxes_->seen[0].text.contains(QStringLiteral("граница открыта в клетках (1,10)")));
}

TEST_F(EditorWindowTest, ANewFileStartsANewLevelSavedThereAndThePanelFollowsEveryChange) {
    const QString fresh = dir_.filePath(QStringLiteral("mine.bmp"));
    EditorWindow& w = open(fresh);
    EXPECT_EQ(w.draft().grid()(1, 1), cell::kWall);
    EXPECT_EQ(w.draft().grid()(2, 2), cell::kDot);
    const auto label = [&](const char* name) { return w.findChild<QLabel*>(QLatin1String(name))->text(); };
    const QString startWall = QStringLiteral("начальная клетка героя (столбец 24, строка 27) — стена");
    const struct {
        const char* name;
        std::function<void()> change;
        QString check, cursor;
        bool playable, startWarned;
    } steps[] = {
        {"opened", [] {}, QStringLiteral("Точек в столбцах и строках 2..49: <b>2304</b>"),
         QStringLiteral("столбец 24, строка 27 — коридор с точкой"), true, false},
        {"the start walled", [&] { w.draft().paint(Tool::pen, cell::kWall, kHeroStartCell, kHeroStartCell); },
         QStringLiteral("<b>2303</b>"), QStringLiteral("столбец 24, строка 27 — стена"), true, true},
        {"a hole in the ring", [&] { w.draft().paint(Tool::pen, cell::kDot, {1, 10}, {1, 10}); },
         QStringLiteral("Открытых клеток на внешнем кольце: 1"), QStringLiteral("— стена"), false, true},
        {"both undone by the menu", [&] {
             shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
             shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
         },
         QStringLiteral("<b>2304</b>"), QStringLiteral("— коридор с точкой"), true, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        EXPECT_TRUE(label("checkText").contains(step.check)) << label("checkText").toStdString();
        EXPECT_TRUE(label("cursorText").contains(step.cursor)) << label("cursorText").toStdString();
        EXPECT_EQ(label("checkText").contains(QStringLiteral("Уровень можно играть")), step.playable);
        EXPECT_EQ(label("checkText").contains(startWall), step.startWarned);
    }
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));  // the wall again
    EXPECT_TRUE(w.save());
    EXPECT_EQ(readLevelFile(fresh).FLD(24, 27), cell::kWall);
    EXPECT_FALSE(w.openFile(dir_.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_EQ(w.file(), fresh);  // a failed open leaves the level in hand
}

// The undo and redo entries are the history's: they name the step and are
// off when there is nothing to take back or do again. Undo in the middle of
// a stroke ends it in the canvas too: the next Shift+arrows paint again and
// the mouse moves the cursor again.
TEST_F(EditorWindowTest, UndoInTheMiddleOfAStrokeEndsItEverywhere) {
    EditorWindow& w = open(level_);
    QAction* undo = action(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = action(QKeySequence(Qt::CTRL | Qt::Key_Y));
    ASSERT_TRUE(undo && redo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    shortcut(QKeySequence(Qt::Key_5));  // the line: Shift+arrows still draw with the pen
    sendKey(&w.canvas(), QEvent::KeyPress, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(at(23, 27), cell::kWall);
    EXPECT_EQ(undo->text(), QStringLiteral("Отменить: карандаш"));
    undo->trigger();  // Shift still down
    EXPECT_EQ(at(23, 27), cell::kDot);
    EXPECT_EQ(at(24, 27), cell::kDot);
    EXPECT_EQ(redo->text(), QStringLiteral("Повторить: карандаш"));
    EXPECT_FALSE(undo->isEnabled());

    sendKey(&w.canvas(), QEvent::KeyPress, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(at(22, 27), cell::kWall) << "Shift+arrows paint again";
    EXPECT_EQ(at(23, 27), cell::kWall);
    sendKey(&w.canvas(), QEvent::KeyRelease, Qt::Key_Shift);
    EXPECT_FALSE(redo->isEnabled());
    mouse(QEvent::MouseMove, {10, 12}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w.canvas().cursorCell(), QPoint(10, 12));

    // The same in the middle of a drag: the drag paints no more.
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {9, 5}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(undo->text(), QStringLiteral("Отменить: линия"));
    undo->trigger();
    mouse(QEvent::MouseMove, {12, 5}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {12, 5}, Qt::LeftButton, Qt::NoButton);
    for (int x = 5; x <= 12; ++x) EXPECT_EQ(at(x, 5), cell::kDot) << x;
    EXPECT_EQ(w.canvas().cursorCell(), QPoint(12, 5));
    EXPECT_EQ(w.draft().history().count(), 2);
}

// Opened and saved by the editor, every level we have reads back as the
// game read the original; a picture that is not a 50 x 50 BMP is never
// written over, Ctrl+S asks where to save it.
TEST_F(EditorWindowTest, EveryLevelSurvivesOpenAndSaveAndCtrlSNeverOverwritesAPicture) {
    std::vector<QString> levels;  // copies: saving in place writes them
    int n = 0;
    for (const char* folder : {KRIVOL_SOURCE_DIR "/data", KRIVOL_SOURCE_DIR "/tests/replays/corridor"})
        for (const QFileInfo& f : QDir(QString::fromUtf8(folder)).entryInfoList({QStringLiteral("*.BMP"), QStringLiteral("*.bmp")}, QDir::Files)) {
            levels.push_back(dir_.filePath(QStringLiteral("shipped%1.BMP").arg(++n)));
            ASSERT_TRUE(QFile::copy(f.filePath(), levels.back()));
        }
    using fixtures::BmpLayout;
    for (const BmpLayout& layout : {BmpLayout{.bits = 1}, BmpLayout{.bits = 4, .compression = 2}, BmpLayout{.bits = 8, .compression = 1},
                                    BmpLayout{.bits = 16, .masks = fixtures::kMasks555}, BmpLayout{.bits = 32, .topDown = true},
                                    BmpLayout{.bits = 8, .infoSize = 12}}) {
        QFile f(dir_.filePath(QStringLiteral("fixture%1.bmp").arg(++n)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(fixtures::bmpBytes(fixtures::mazePicture(), layout));
        levels.push_back(f.fileName());
    }
    ASSERT_TRUE(fixtures::mazePicture().save(dir_.filePath(QStringLiteral("maze.png"))));
    levels.push_back(dir_.filePath(QStringLiteral("maze.png")));
    ASSERT_GE(levels.size(), 12u);

    EditorWindow& w = open(level_);
    QStringList asked;
    QTimer answer;  // the save dialog, answered with a name beside the picture
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        asked << dialog->selectedFiles().value(0);
        dialog->selectFile(dir_.filePath(QStringLiteral("saved as")));
        static_cast<QDialog*>(dialog)->accept();  // as its Save button does
    });
    answer.start();
    for (const QString& path : levels) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray original = bytesOf(path);
        const LevelReading game = readLevelFile(path);
        ASSERT_TRUE(w.openFile(path));
        const QString copy = dir_.filePath(QStringLiteral("copy.BMP"));
        ASSERT_TRUE(w.saveTo(copy));
        const LevelReading back = readLevelFile(copy);
        for (int x = 1; x <= 50; ++x)
            for (int y = 1; y <= 50; ++y) ASSERT_EQ(back.FLD(x, y), game.FLD(x, y)) << x << "," << y;

        ASSERT_TRUE(w.openFile(path));
        asked.clear();
        key(Qt::Key_Space);
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        const bool inPlace = QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0 &&
                             QImage(path).size() == QSize(50, 50);
        EXPECT_EQ(asked.isEmpty(), inPlace);
        EXPECT_FALSE(w.draft().modified());
        if (!inPlace) {
            EXPECT_EQ(bytesOf(path), original);
            EXPECT_TRUE(asked.value(0).endsWith(QFileInfo(path).completeBaseName() + QStringLiteral(".BMP")));
            EXPECT_EQ(w.file(), dir_.filePath(QStringLiteral("saved as.BMP")));
            EXPECT_EQ(readLevelFile(w.file()).FLD(24, 27), cell::kWall);
        }
    }
    EXPECT_TRUE(boxes_->seen.empty());
}

// Nearly black is wall, nearly white corridor, the rest floor; a large
// picture is scaled down first, a small one is wall beyond its edge. One step.
TEST_F(EditorWindowTest, ImportByThresholdIsOneStep) {
    const auto picture = [](QSize size, QRgb fill, QRect block, QRgb blockColour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(fill);
        for (int x = block.left(); x <= block.right(); ++x)
            for (int y = block.top(); y <= block.bottom(); ++y) image.setPixel(x, y, blockColour);
        return image;
    };
    const struct {
        const char* name;
        QImage image;
        std::vector<std::pair<QPoint, Integer>> cells;
        QString note;
    } cases[] = {
        {"nearly white", picture({50, 50}, qRgb(12, 10, 14), {9, 9, 1, 1}, qRgb(240, 244, 238)),
         {{{10, 10}, cell::kDot}, {{11, 10}, cell::kWall}}, QStringLiteral("почти чёрное — стена")},
        {"nearly black", picture({50, 50}, qRgb(250, 250, 250), {9, 9, 1, 1}, qRgb(20, 16, 8)),
         {{{10, 10}, cell::kWall}, {{11, 10}, cell::kDot}}, QString()},
        {"grey is floor", picture({50, 50}, qRgb(0, 0, 0), {9, 9, 1, 1}, qRgb(128, 128, 128)),
         {{{10, 10}, cell::kFloor}, {{11, 10}, cell::kWall}}, QString()},
        {"large, scaled down", picture({200, 200}, qRgb(255, 255, 255), {0, 0, 100, 200}, qRgb(0, 0, 0)),
         {{{20, 30}, cell::kWall}, {{30, 30}, cell::kDot}}, QStringLiteral("200 × 200 точек уменьшена до 50 × 50")},
        {"small: wall beyond it", picture({20, 20}, qRgb(255, 255, 255), {0, 0, 0, 0}, qRgb(255, 255, 255)),
         {{{20, 20}, cell::kDot}, {{21, 20}, cell::kWall}}, QStringLiteral("20 × 20")},
    };
    EditorWindow& w = open(level_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir_.filePath(QStringLiteral("import.png"));
        ASSERT_TRUE(c.image.save(path));
        const int steps = w.draft().history().count();
        ASSERT_TRUE(w.importFile(path));
        for (const auto& [cell, code] : c.cells) EXPECT_EQ(at(cell.x(), cell.y()), code) << cell.x() << "," << cell.y();
        EXPECT_TRUE(w.panelText().contains(c.note)) << w.panelText().toStdString();
        EXPECT_EQ(w.draft().history().count(), steps + 1);
        EXPECT_EQ(w.draft().history().undoText(), QStringLiteral("импорт"));
        EXPECT_EQ(w.file(), level_);  // an import edits the level in hand
    }
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(at(30, 20), cell::kDot);  // the large picture's again
}

// The line the editor prints makes the same maze from the command line.
TEST_F(EditorWindowTest, TheRandomMazeIsTheOneItsCommandLineMakes) {
    EditorWindow& w = open(level_);
    for (const auto& [style, mirrorKeys] : {std::pair{MazeStyle::classic, 0}, {MazeStyle::halls, 1},
                                            {MazeStyle::galleries, 1}, {MazeStyle::mixed, 2}}) {
        SCOPED_TRACE(mazeStyleName(style).toStdString());
        for (int i = 0; i < mirrorKeys; ++i) shortcut(QKeySequence(Qt::Key_9));  // none, lr, tb, both, none...
        w.setMazeStyle(style);
        w.randomMaze(4000000000u + static_cast<std::uint32_t>(mirrorKeys));
        const QRegularExpressionMatch line =
            QRegularExpression(QStringLiteral("krivol-cli (generate .*) УРОВЕНЬ\\.BMP")).match(w.panelText());
        ASSERT_TRUE(line.hasMatch()) << w.panelText().toStdString();
        const QString out = dir_.filePath(QStringLiteral("generated-%1.BMP").arg(mazeStyleName(style)));
        const CliRun run = runCli(line.captured(1).split(QLatin1Char(' ')) << out);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const LevelReading made = readLevelFile(out);
        ASSERT_TRUE(made.picture.ok());
        for (int x = 1; x <= 50; ++x)
            for (int y = 1; y <= 50; ++y) ASSERT_EQ(made.FLD(x, y), at(x, y)) << x << "," << y;
    }
}

// The editor says of a picture what the game's own notes say, in the same words.
TEST_F(EditorWindowTest, OpeningSaysHowTheGameReadsLossyAndOddSizedPictures) {
    QImage lossy = QImage(level_).convertToFormat(QImage::Format_RGB32);
    lossy.setPixel(0, 0, qRgb(12, 9, 20));
    QImage large(60, 55, QImage::Format_RGB32);
    large.fill(Qt::black);
    const struct {
        const char* file;
        QImage picture;
        int gameNotes;
        QString editorSays;
    } cases[] = {
        {"lossy.png", lossy, 1, QStringLiteral("Импорт по порогу (Ctrl+I)")},
        {"small.png", lossy.copy(0, 0, 40, 30), 2, QStringLiteral("Импорт по порогу (Ctrl+I)")},
        {"large.png", large, 0, QStringLiteral("Картинка 60 × 55 точек: игра читает только её левые верхние 50 × 50")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir_.filePath(QLatin1String(c.file));
        ASSERT_TRUE(c.picture.save(path));
        const QStringList notes = levelNotes(readLevelFile(path).check);
        EXPECT_EQ(notes.size(), c.gameNotes);
        EditorWindow& w = open(path);
        for (const QString& note : notes) EXPECT_TRUE(w.panelText().contains(note.mid(1).toHtmlEscaped())) << w.panelText().toStdString();
        EXPECT_TRUE(w.panelText().contains(c.editorSays)) << w.panelText().toStdString();
    }
}

}  // namespace
}  // namespace krivol::test

int main(int argc, char** argv) { return krivol::test::runWindowTests(argc, argv); }

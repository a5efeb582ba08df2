#include "shell/editor/editor_window.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "files/regular_file.h"
#include "shell/editor/editor_actions.h"
#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_files.h"
#include "shell/editor/editor_panel.h"
#include "shell/editor/editor_question.h"
#include "shell/editor/editor_recovery.h"
#include "shell/editor/editor_text.h"
#include "shell/form1.h"
#include "shell/level_messages.h"
#include "state/level.h"
#include "state/time_seed.h"

namespace krivol {

namespace {

QString levelFilter() {
    return EditorText::tr("Уровни BMP (*.bmp *.BMP);;Картинки (*.bmp *.BMP *.png *.PNG *.gif *.jpg *.jpeg *.JPG);;Все файлы (*)");
}

QString withBmpSuffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".BMP") : path;
}

int zoomForScreen(const QWidget& w) {
    const QScreen* screen = w.screen();
    if (!screen) return 1;
    return std::clamp((screen->availableGeometry().height() - 160) / kFieldPixels, 1, 4);
}

}  // namespace

EditorWindow::EditorWindow(const DataFolders& folders, const QString& file, std::optional<std::uint32_t> seed)
    : folders_(folders), seed_(seed) {
    setObjectName(QStringLiteral("EditorWindow"));
    auto* scroll = new QScrollArea(this);  // the window owns its widgets
    canvas_ = new EditorCanvas(draft_, scroll);
    scroll->setWidget(canvas_);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->addWidget(scroll, 1);
    setCentralWidget(central);
    buildEditorActions(*this);
    panel_ = new EditorPanel(draft_, *canvas_, central);
    panel_->seedChosen = [this](std::uint32_t s) { randomMaze(s); };
    panel_->warn = [this](const QString& title, const QString& text) { warn(title, text); };
    row->addWidget(panel_);
    draft_.observe(this, [this] { updateTitle(); });
    canvas_->setZoom(zoomForScreen(*this));
    // Room for the whole canvas where the screen has it; scroll bars where not.
    QSize room = canvas_->size() + QSize(2, 2);
    if (const QScreen* screen = this->screen())
        room = room.boundedTo(screen->availableGeometry().size() - QSize(panel_->width() + 60, 160));
    scroll->setMinimumSize(room);
    file_ = file;
    savesInPlace_ = !file.isEmpty();
    if (!file.isEmpty() && pathExists(file) && !openFile(file)) {
        file_.clear();  // an unreadable file is never overwritten by a new level
        savesInPlace_ = false;
    }
    updateTitle();
    canvas_->setFocus();
    recovery_ = std::make_unique<EditorRecovery>(*this, draft_, EditorRecovery::Hooks{
        [this] { return file_; }, [this] { return savesInPlace_; }, [this](const QString& note) { panel_->showNote(note); },
        [this](const RecoveryCopy& copy) {
            file_ = copy.file;
            savesInPlace_ = copy.savesInPlace;
            draft_.replace(copy.grid, EditorText::tr("Восстановление"));
        }});
}

EditorWindow::~EditorWindow() = default;

QString EditorWindow::panelText() const { return panel_->text(); }

void EditorWindow::updateTitle() {
    const QString name = file_.isEmpty() ? EditorText::tr("Новый уровень") : QFileInfo(file_).fileName();
    setWindowTitle(EditorText::tr("%1[*] — Редактор уровней Krivol").arg(name));
    setWindowModified(draft_.modified());
}

void EditorWindow::warn(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("editorTroubleBox"));
    box.exec();
}

// ---- files ----

bool EditorWindow::openFile(const QString& path) {
    draft_.endStroke();
    const OpenedLevel opened = openLevel(path);
    if (!opened.ok) {
        warn(EditorText::tr("Уровень не открыт"), EditorText::tr("Уровень не открыт.\n\n%1").arg(opened.error));
        return false;
    }
    file_ = path;
    savesInPlace_ = opened.savesInPlace;
    draft_.reset(opened.grid);
    panel_->showNote(opened.note);
    return true;
}

bool EditorWindow::saveTo(const QString& path) {
    draft_.endStroke();
    if (const QString error = saveLevel(path, draft_.grid()); !error.isEmpty()) {
        warn(EditorText::tr("Уровень не сохранён"),
                EditorText::tr("Уровень не сохранён, изменения остаются в редакторе.\n\n%1").arg(error));
        return false;
    }
    file_ = path;
    savesInPlace_ = true;
    draft_.markSaved();
    panel_->showNote(EditorText::tr("Сохранено: %1").arg(path));
    return true;
}

bool EditorWindow::save() {
    if (file_.isEmpty() || !savesInPlace_) return saveAs();
    return saveTo(file_);
}

bool EditorWindow::saveAs() {
    draft_.endStroke();
    const QString suggested = file_.isEmpty() ? QStringLiteral("KRIVOL01.BMP") : QFileInfo(file_).completeBaseName() + QStringLiteral(".BMP");
    const QString folder = file_.isEmpty() ? QString() : QFileInfo(file_).absolutePath() + QLatin1Char('/');
    const QString path = QFileDialog::getSaveFileName(this, EditorText::tr("Сохранить уровень"), folder + suggested, levelFilter());
    return !path.isEmpty() && saveTo(withBmpSuffix(path));
}

void EditorWindow::importPicture() {
    draft_.endStroke();
    const QString path = QFileDialog::getOpenFileName(this, EditorText::tr("Импорт картинки по порогу"), QString(), levelFilter());
    if (!path.isEmpty()) importFile(path);
}

// An import is an edit of the level in hand: one step, undone like a stroke.
bool EditorWindow::importFile(const QString& path) {
    const OpenedLevel imported = importLevel(path);
    if (!imported.ok) {
        warn(EditorText::tr("Картинка не импортирована"), imported.error);
        return false;
    }
    draft_.replace(imported.grid, EditorText::tr("импорт"));
    panel_->showNote(imported.note);
    return true;
}

void EditorWindow::newLevel() {
    if (!maySetAside()) return;
    file_.clear();
    savesInPlace_ = false;
    draft_.reset(LevelDraft::newLevel());
    panel_->showNote({});
}

void EditorWindow::open() {
    if (!maySetAside()) return;
    const QString folder = file_.isEmpty() ? QString() : QFileInfo(file_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, EditorText::tr("Открыть уровень"), folder, levelFilter());
    if (!path.isEmpty()) openFile(path);
}

bool EditorWindow::maySetAside() {
    draft_.endStroke();
    if (!draft_.modified()) return true;
    const Question q{"unsavedBox", EditorText::tr("В уровне есть несохранённые изменения. Сохранить их?"), {},
                     EditorText::tr("Сохранить"), EditorText::tr("Не сохранять"), EditorText::tr("Вернуться")};
    switch (ask(*this, q)) {
    case Choice::goOn: return save();
    case Choice::destroy:
        recovery_->forget();
        return true;
    case Choice::backOut: break;
    }
    return false;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (game_) game_->close();
    if (leaving_) return event->accept();
    // leaveNow() may come while the question is open: it ends the editor all the same.
    if (maySetAside() || leaving_) event->accept();
    else event->ignore();
}

void EditorWindow::leaveNow() {
    // Unsaved changes stay as a recovery copy for the next start.
    recovery_->writeRecoveryNow();
    leaving_ = true;
    // The test play ends the program rather than coming back here, also from under its end box.
    if (game_) game_->endOnlyThisWindow(nullptr);
    // A question on the screen is answered "go back": nothing is saved.
    for (QDialog* box : findChildren<QDialog*>()) box->reject();
    close();
}

// ---- a test play in the game's window ----

void EditorWindow::play() {
    draft_.endStroke();
    if (game_) {
        game_->activateWindow();
        return;
    }
    if (!draft_.check().playable()) {
        warn(EditorText::tr("Уровень нельзя играть"), EditorText::tr("Уровень нельзя играть: %1.").arg(levelReason(draft_.check())));
        return;
    }
    // The game finds the draft as its level 1, the way it finds a player's own levels.
    playFolder_ = std::make_unique<QTemporaryDir>();
    const QString path = playFolder_->path() + QLatin1Char('/') + levelFileName(1);
    DataFolders folders = folders_;
    QString error = playFolder_->isValid() ? saveLevel(path, draft_.grid()) : EditorText::tr("нет временной папки");
    if (error.isEmpty()) error = folders.preferLevelsFrom(playFolder_->path());
    if (!error.isEmpty()) {
        warn(EditorText::tr("Игра не начата"), error);
        return;
    }
    game_ = std::make_unique<Form1>(folders, seed_.value_or(timeOfDaySeed(QTime::currentTime())));
    game_->endOnlyThisWindow([this] { QTimer::singleShot(0, this, [this] { endPlay(); }); });
    setEnabled(false);
    game_->show();
    game_->activateWindow();
}

void EditorWindow::endPlay() {
    game_.reset();
    playFolder_.reset();
    setEnabled(true);
    activateWindow();
    canvas_->setFocus();
}

}  // namespace krivol

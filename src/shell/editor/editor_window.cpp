#include "shell/editor/editor_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "files/regular_file.h"
#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_files.h"
#include "shell/editor/editor_status.h"
#include "shell/form1.h"
#include "shell/level_messages.h"
#include "shell/time_seed.h"
#include "state/level.h"

namespace krivol {

namespace {

constexpr int kPanelWidth = 270;

QString levelFilter() {
    return QStringLiteral("Уровни BMP (*.bmp *.BMP);;Картинки (*.bmp *.BMP *.png *.PNG *.gif *.jpg *.jpeg *.JPG);;Все файлы (*)");
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
    canvas_->edited = [this] { edited(); };
    canvas_->cursorMoved = [this] { showCursor(); };
    QObject::connect(&draft_.history(), &QUndoStack::indexChanged, this, [this] {
        canvas_->draftChanged();
        edited();
    });
    buildMenus();
    row->addWidget(buildPanel());
    canvas_->setZoom(zoomForScreen(*this));
    // Room for the whole canvas where the screen has it; scroll bars where not.
    QSize room = canvas_->size() + QSize(2, 2);
    if (const QScreen* screen = this->screen()) room = room.boundedTo(screen->availableGeometry().size() - QSize(kPanelWidth + 60, 160));
    scroll->setMinimumSize(room);
    file_ = file;
    savesInPlace_ = !file.isEmpty();
    if (!file.isEmpty() && pathExists(file) && !openFile(file)) {
        file_.clear();  // an unreadable file is never overwritten by a new level
        savesInPlace_ = false;
    }
    edited();
    showCursor();
    canvas_->setFocus();
}

EditorWindow::~EditorWindow() {
    // The history says it changed as it goes, when the panel it would update is gone.
    QObject::disconnect(&draft_.history(), nullptr, nullptr, nullptr);
}

QWidget* EditorWindow::buildPanel() {
    auto* panel = new QWidget(this);
    panel->setFixedWidth(kPanelWidth);
    auto* column = new QVBoxLayout(panel);
    auto heading = [&](const QString& text) {
        auto* label = new QLabel(QStringLiteral("<b>%1</b>").arg(text), panel);
        column->addWidget(label);
    };
    auto wrapped = [&](const QString& name) {
        auto* label = new QLabel(panel);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setTextFormat(Qt::RichText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->addWidget(label);
        return label;
    };
    heading(QStringLiteral("Проверка уровня"));
    check_ = wrapped(QStringLiteral("checkText"));
    cursor_ = wrapped(QStringLiteral("cursorText"));
    heading(QStringLiteral("Случайный лабиринт"));
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(new QLabel(QStringLiteral("Зерно:"), panel));
    seedEdit_ = new QLineEdit(panel);
    seedEdit_->setObjectName(QStringLiteral("seedEdit"));
    seedEdit_->setPlaceholderText(QStringLiteral("число"));
    seedRow->addWidget(seedEdit_);
    auto* make = new QPushButton(QStringLiteral("Создать"), panel);
    make->setFocusPolicy(Qt::NoFocus);
    seedRow->addWidget(make);
    column->addLayout(seedRow);
    const auto fromField = [this] {
        bool ok = false;
        const qulonglong seed = seedEdit_->text().trimmed().toULongLong(&ok);
        if (ok && seed <= 0xFFFFFFFFull) randomMaze(static_cast<std::uint32_t>(seed));
        else trouble(QStringLiteral("Случайный лабиринт"), QStringLiteral("Зерно — целое число от 0 до 4294967295."));
        canvas_->setFocus();
    };
    QObject::connect(seedEdit_, &QLineEdit::returnPressed, this, fromField);
    QObject::connect(make, &QPushButton::clicked, this, fromField);
    note_ = wrapped(QStringLiteral("noteText"));
    column->addStretch(1);
    auto* keys = wrapped(QStringLiteral("keysText"));
    keys->setText(QStringLiteral(
        "<small>Левая кнопка мыши — выбранная клетка, правая — пустой пол. Стрелки — курсор, "
        "Shift+стрелки — рисовать, Пробел — инструмент на курсоре (линия и прямоугольник: "
        "два нажатия, Esc — отмена). 1, 2, 3 — стена, коридор, пол; 4–8 — инструменты; "
        "9 — зеркало; F5 — играть.</small>"));
    return panel;
}

QString EditorWindow::panelText() const { return check_->text() + QLatin1Char('\n') + note_->text(); }

void EditorWindow::edited() {
    check_->setText(checkPanelText(draft_));
    showCursor();
    updateTitle();
}

void EditorWindow::showCursor() { cursor_->setText(cursorText(draft_, canvas_->cursorCell()).toHtmlEscaped()); }

void EditorWindow::showNote(const QString& note) { note_->setText(note.toHtmlEscaped()); }

void EditorWindow::updateTitle() {
    const QString name = file_.isEmpty() ? QStringLiteral("Новый уровень") : QFileInfo(file_).fileName();
    setWindowTitle(QStringLiteral("%1[*] — Редактор уровней Krivol").arg(name));
    setWindowModified(draft_.modified());
}

void EditorWindow::trouble(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("editorTroubleBox"));
    box.exec();
}

// ---- files ----

bool EditorWindow::openFile(const QString& path) {
    canvas_->finishStroke();
    const OpenedLevel opened = openLevel(path);
    if (!opened.ok) {
        trouble(QStringLiteral("Уровень не открыт"), QStringLiteral("Уровень не открыт.\n\n%1").arg(opened.error));
        return false;
    }
    draft_.reset(opened.grid);
    file_ = path;
    savesInPlace_ = opened.savesInPlace;
    showNote(opened.note);
    canvas_->draftChanged();
    edited();
    return true;
}

bool EditorWindow::saveTo(const QString& path) {
    canvas_->finishStroke();
    if (const QString error = saveLevel(path, draft_.grid()); !error.isEmpty()) {
        trouble(QStringLiteral("Уровень не сохранён"),
                QStringLiteral("Уровень не сохранён, изменения остаются в редакторе.\n\n%1").arg(error));
        return false;
    }
    file_ = path;
    savesInPlace_ = true;
    draft_.markSaved();
    showNote(QStringLiteral("Сохранено: %1").arg(path));
    updateTitle();
    return true;
}

bool EditorWindow::save() {
    if (file_.isEmpty() || !savesInPlace_) return saveAs();
    return saveTo(file_);
}

bool EditorWindow::saveAs() {
    canvas_->finishStroke();
    const QString suggested = file_.isEmpty() ? QStringLiteral("KRIVOL01.BMP") : QFileInfo(file_).completeBaseName() + QStringLiteral(".BMP");
    const QString folder = file_.isEmpty() ? QString() : QFileInfo(file_).absolutePath() + QLatin1Char('/');
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить уровень"), folder + suggested, levelFilter());
    return !path.isEmpty() && saveTo(withBmpSuffix(path));
}

void EditorWindow::importPicture() {
    canvas_->finishStroke();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Импорт картинки по порогу"), QString(), levelFilter());
    if (!path.isEmpty()) importFile(path);
}

// An import is an edit of the level in hand: one step, undone like a stroke.
bool EditorWindow::importFile(const QString& path) {
    const OpenedLevel imported = importLevel(path);
    if (!imported.ok) {
        trouble(QStringLiteral("Картинка не импортирована"), imported.error);
        return false;
    }
    draft_.replace(imported.grid, QStringLiteral("Импорт"));
    showNote(imported.note);
    canvas_->draftChanged();
    return true;
}

void EditorWindow::newLevel() {
    if (!maySetAside()) return;
    draft_.reset(LevelDraft::newLevel());
    file_.clear();
    savesInPlace_ = false;
    showNote({});
    canvas_->draftChanged();
    edited();
}

void EditorWindow::open() {
    if (!maySetAside()) return;
    const QString folder = file_.isEmpty() ? QString() : QFileInfo(file_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Открыть уровень"), folder, levelFilter());
    if (!path.isEmpty()) openFile(path);
}

bool EditorWindow::maySetAside() {
    canvas_->finishStroke();
    if (!draft_.modified()) return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Редактор уровней Krivol"),
                    QStringLiteral("В уровне есть несохранённые изменения. Сохранить их?"), QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("unsavedBox"));
    QPushButton* saveButton = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* back = box.addButton(QStringLiteral("Вернуться"), QMessageBox::RejectRole);
    box.setDefaultButton(saveButton);
    box.setEscapeButton(back);
    box.exec();
    if (box.clickedButton() == discard) return true;
    if (box.clickedButton() == saveButton) return save();
    return false;
}

void EditorWindow::leaveNow() {
    // The test play ends the program rather than coming back here.
    if (game_) game_->endOnlyThisWindow(nullptr);
    leavingNow_ = true;
    close();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (game_) game_->close();
    if (leavingNow_ || maySetAside()) event->accept();
    else event->ignore();
}

// ---- a test play in the game's window ----

void EditorWindow::play() {
    canvas_->finishStroke();
    if (game_) {
        game_->activateWindow();
        return;
    }
    LevelReading reading;
    reading.check = draft_.check();
    if (!draft_.check().playable()) {
        trouble(QStringLiteral("Уровень нельзя играть"), QStringLiteral("Уровень нельзя играть: %1.").arg(russianReason(reading)));
        return;
    }
    // The game finds the draft as its level 1, the way it finds a player's own levels.
    playFolder_ = std::make_unique<QTemporaryDir>();
    const QString path = playFolder_->path() + QLatin1Char('/') + levelFileName(1);
    DataFolders folders = folders_;
    QString error = playFolder_->isValid() ? saveLevel(path, draft_.grid()) : QStringLiteral("нет временной папки");
    if (error.isEmpty()) error = folders.preferLevelsFrom(playFolder_->path());
    if (!error.isEmpty()) {
        trouble(QStringLiteral("Игра не начата"), error);
        return;
    }
    game_ = std::make_unique<Form1>(folders, seed_.value_or(timeOfDaySeed()));
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

// The editor's menus and tool bar: every action with its key.
#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

#include "assets/pictures.h"
#include "render/tiles.h"
#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_window.h"

namespace krivol {

namespace {

QIcon tileIcon(Integer code) {
    const QImage tile = assets::tileStrip().copy(0, TS(code), 12, 12);
    return QIcon(QPixmap::fromImage(tile.scaled(24, 24, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

QAction* menuAction(QMenu* menu, const QString& text, const QList<QKeySequence>& keys, QObject* owner) {
    QAction* action = menu->addAction(text);
    action->setShortcuts(keys);
    if (!keys.isEmpty()) action->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.first().toString(QKeySequence::NativeText)));
    action->setParent(owner);
    return action;
}

template <typename Slot>
QAction* menuAction(QMenu* menu, const QString& text, const QList<QKeySequence>& keys, QObject* owner, Slot slot) {
    QAction* action = menuAction(menu, text, keys, owner);
    QObject::connect(action, &QAction::triggered, owner, slot);
    return action;
}

// One of a few choices, each with its digit key.
template <typename Value, typename Apply>
QActionGroup* choices(QMenu* menu, QToolBar* bar, const std::vector<std::tuple<QString, QKeySequence, Value, QIcon>>& items,
                      Apply apply, QObject* owner) {
    auto* group = new QActionGroup(owner);
    for (const auto& [text, key, value, icon] : items) {
        QAction* action = menuAction(menu, text, key.isEmpty() ? QList<QKeySequence>{} : QList<QKeySequence>{key}, group);
        action->setCheckable(true);
        action->setIcon(icon);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, owner, [apply, v = value] { apply(v); });
        if (bar) bar->addAction(action);
    }
    group->actions().first()->setChecked(true);
    return group;
}

}  // namespace

void EditorWindow::buildMenus() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Файл"));
    menuAction(fileMenu, QStringLiteral("Новый"), {QKeySequence::New}, this, [this] { newLevel(); });
    menuAction(fileMenu, QStringLiteral("Открыть…"), {QKeySequence::Open}, this, [this] { open(); });
    menuAction(fileMenu, QStringLiteral("Импорт картинки по порогу…"), {QKeySequence(Qt::CTRL | Qt::Key_I)}, this, [this] { importPicture(); });
    menuAction(fileMenu, QStringLiteral("Сохранить"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, this, [this] { save(); });
    menuAction(fileMenu, QStringLiteral("Сохранить как…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, this, [this] { saveAs(); });
    fileMenu->addSeparator();
    QAction* playAction = menuAction(fileMenu, QStringLiteral("Играть"), {QKeySequence(Qt::Key_F5)}, this, [this] { play(); });
    fileMenu->addSeparator();
    menuAction(fileMenu, QStringLiteral("Закрыть"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, this, [this] { close(); });

    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Правка"));
    QAction* undoAction = menuAction(editMenu, QStringLiteral("Отменить"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, this, [this] { draft_.undo(); });
    QAction* redoAction = menuAction(editMenu, QStringLiteral("Повторить"),
                                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, this,
                                    [this] { draft_.redo(); });
    QObject::connect(&draft_.history(), &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    QObject::connect(&draft_.history(), &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    QAction* mazeAction = menuAction(editMenu, QStringLiteral("Случайный лабиринт"), {QKeySequence(Qt::CTRL | Qt::Key_R)}, this,
                                     [this] { randomMaze(freshSeed()); });

    QToolBar* bar = addToolBar(QStringLiteral("Инструменты"));
    bar->setObjectName(QStringLiteral("editorTools"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setFocusPolicy(Qt::NoFocus);

    QMenu* kindMenu = menuBar()->addMenu(QStringLiteral("&Клетка"));
    using Kind = std::tuple<QString, QKeySequence, CellKind, QIcon>;
    choices<CellKind>(kindMenu, bar,
                      {Kind{QStringLiteral("Стена"), QKeySequence(Qt::Key_1), CellKind::wall, tileIcon(cell::kWall)},
                       Kind{QStringLiteral("Коридор"), QKeySequence(Qt::Key_2), CellKind::corridor, tileIcon(cell::kDot)},
                       Kind{QStringLiteral("Пол"), QKeySequence(Qt::Key_3), CellKind::floor, tileIcon(cell::kFloor)}},
                      [this](CellKind k) { canvas_->setKind(k); }, this);
    bar->addSeparator();

    QMenu* toolMenu = menuBar()->addMenu(QStringLiteral("&Инструмент"));
    using ToolItem = std::tuple<QString, QKeySequence, Tool, QIcon>;
    choices<Tool>(toolMenu, bar,
                  {ToolItem{QStringLiteral("Карандаш"), QKeySequence(Qt::Key_4), Tool::pen, {}},
                   ToolItem{QStringLiteral("Линия"), QKeySequence(Qt::Key_5), Tool::line, {}},
                   ToolItem{QStringLiteral("Рамка"), QKeySequence(Qt::Key_6), Tool::rectangle, {}},
                   ToolItem{QStringLiteral("Прямоугольник"), QKeySequence(Qt::Key_7), Tool::filledRectangle, {}},
                   ToolItem{QStringLiteral("Заливка"), QKeySequence(Qt::Key_8), Tool::fill, {}}},
                  [this](Tool t) { canvas_->setTool(t); }, this);
    bar->addSeparator();

    QMenu* mirrorMenu = menuBar()->addMenu(QStringLiteral("&Зеркало"));
    using MirrorItem = std::tuple<QString, QKeySequence, Mirror, QIcon>;
    QActionGroup* mirrors = choices<Mirror>(
        mirrorMenu, nullptr,
        {MirrorItem{QStringLiteral("Без зеркала"), {}, Mirror::none, {}},
         MirrorItem{QStringLiteral("Слева направо"), {}, Mirror::leftRight, {}},
         MirrorItem{QStringLiteral("Сверху вниз"), {}, Mirror::topBottom, {}},
         MirrorItem{QStringLiteral("В обе стороны"), {}, Mirror::both, {}}},
        [this](Mirror m) { draft_.setMirror(m); }, this);
    mirrorMenu->addSeparator();
    menuAction(mirrorMenu, QStringLiteral("Следующее зеркало"), {QKeySequence(Qt::Key_9)}, this, [mirrors] {
        const QList<QAction*> all = mirrors->actions();
        const qsizetype at = all.indexOf(mirrors->checkedAction());
        all[(at + 1) % all.size()]->trigger();
    });
    auto* mirrorButton = new QToolButton(bar);
    mirrorButton->setMenu(mirrorMenu);
    mirrorButton->setPopupMode(QToolButton::InstantPopup);
    mirrorButton->setFocusPolicy(Qt::NoFocus);
    const auto showMirror = [mirrorButton, mirrors] { mirrorButton->setText(QStringLiteral("Зеркало: %1").arg(mirrors->checkedAction()->text())); };
    QObject::connect(mirrors, &QActionGroup::triggered, mirrorButton, showMirror);
    showMirror();
    bar->addWidget(mirrorButton);
    addToolBarBreak();
    QToolBar* actions = addToolBar(QStringLiteral("Действия"));
    actions->setObjectName(QStringLiteral("editorActions"));
    actions->setMovable(false);
    actions->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* a : {undoAction, redoAction, mazeAction, playAction}) actions->addAction(a);

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&Вид"));
    menuAction(viewMenu, QStringLiteral("Крупнее"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, this, [this] { canvas_->setZoom(canvas_->zoom() + 1); });
    menuAction(viewMenu, QStringLiteral("Мельче"), {QKeySequence::ZoomOut}, this, [this] { canvas_->setZoom(canvas_->zoom() - 1); });
    for (QToolButton* button : findChildren<QToolButton*>()) button->setFocusPolicy(Qt::NoFocus);
}

}  // namespace krivol

#include "shell/editor/editor_actions.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <map>

#include "assets/pictures.h"
#include "render/tiles.h"
#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_text.h"
#include "shell/editor/editor_window.h"

namespace krivol {

namespace {

enum class Menu { file, edit, kind, tool, mirror, view };

// A row of the table: an action of a menu, or a separator where `text` is empty.
struct Command {
    Menu menu;
    QString text;
    QList<QKeySequence> keys = {};
    std::function<void()> run = {};
    QAction* made = nullptr;  // an action that its owner makes, for the history's undo and redo
    int barPlace = 0;         // from 1, on the bar of actions
};

QIcon tileIcon(Integer code) {
    const QImage tile = assets::tileStrip().copy(0, TS(code), kCellSize, kCellSize);
    return QIcon(QPixmap::fromImage(tile.scaled(24, 24, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

void setKeys(QAction* action, const QString& name, const QList<QKeySequence>& keys) {
    action->setShortcuts(keys);
    if (!keys.isEmpty()) action->setToolTip(QStringLiteral("%1 (%2)").arg(name, keys.first().toString(QKeySequence::NativeText)));
}

// One of a few choices, each with its digit key.
template <typename Value>
QActionGroup* choices(QMenu* menu, QToolBar* bar, const std::vector<std::tuple<QString, QKeySequence, Value, QIcon>>& items,
                      std::function<void(Value)> apply, QObject* owner) {
    auto* group = new QActionGroup(owner);
    for (const auto& [text, key, value, icon] : items) {
        QAction* action = menu->addAction(icon, text);
        action->setParent(group);
        setKeys(action, text, key.isEmpty() ? QList<QKeySequence>{} : QList<QKeySequence>{key});
        action->setCheckable(true);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, owner, [apply, v = value] { apply(v); });
        if (bar) bar->addAction(action);
    }
    group->actions().first()->setChecked(true);
    return group;
}

QToolBar* toolBar(QMainWindow& window, const QString& title, const QString& name, Qt::ToolButtonStyle style) {
    QToolBar* bar = window.addToolBar(title);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setToolButtonStyle(style);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

}  // namespace

void buildEditorActions(EditorWindow& w) {
    std::map<Menu, QMenu*> menus;
    for (const auto& [menu, title] : {std::pair{Menu::file, EditorText::tr("&Файл")}, std::pair{Menu::edit, EditorText::tr("&Правка")},
                                      std::pair{Menu::kind, EditorText::tr("&Клетка")}, std::pair{Menu::tool, EditorText::tr("&Инструмент")},
                                      std::pair{Menu::mirror, EditorText::tr("&Зеркало")}, std::pair{Menu::view, EditorText::tr("&Вид")}})
        menus[menu] = w.menuBar()->addMenu(title);

    QToolBar* tools = toolBar(w, EditorText::tr("Инструменты"), QStringLiteral("editorTools"), Qt::ToolButtonTextBesideIcon);
    EditorCanvas& canvas = w.canvas();
    using Kind = std::tuple<QString, QKeySequence, CellKind, QIcon>;
    choices<CellKind>(menus[Menu::kind], tools,
                      {Kind{EditorText::tr("Стена"), QKeySequence(Qt::Key_1), CellKind::wall, tileIcon(cell::kWall)},
                       Kind{EditorText::tr("Коридор"), QKeySequence(Qt::Key_2), CellKind::corridor, tileIcon(cell::kDot)},
                       Kind{EditorText::tr("Пол"), QKeySequence(Qt::Key_3), CellKind::floor, tileIcon(cell::kFloor)}},
                      [&canvas](CellKind k) { canvas.setKind(k); }, &w);
    tools->addSeparator();
    using ToolItem = std::tuple<QString, QKeySequence, Tool, QIcon>;
    std::vector<ToolItem> toolItems;
    for (const Tool t : {Tool::pen, Tool::line, Tool::rectangle, Tool::filledRectangle, Tool::fill})
        toolItems.emplace_back(toolName(t), QKeySequence(Qt::Key_4 + static_cast<int>(t)), t, QIcon());
    choices<Tool>(menus[Menu::tool], tools, toolItems, [&canvas](Tool t) { canvas.setTool(t); }, &w);
    tools->addSeparator();
    using MirrorItem = std::tuple<QString, QKeySequence, Mirror, QIcon>;
    QActionGroup* mirrors = choices<Mirror>(menus[Menu::mirror], nullptr,
                                            {MirrorItem{EditorText::tr("Без зеркала"), {}, Mirror::none, {}},
                                             MirrorItem{EditorText::tr("Слева направо"), {}, Mirror::leftRight, {}},
                                             MirrorItem{EditorText::tr("Сверху вниз"), {}, Mirror::topBottom, {}},
                                             MirrorItem{EditorText::tr("В обе стороны"), {}, Mirror::both, {}}},
                                            [&w](Mirror m) { w.draft().setMirror(m); }, &w);
    menus[Menu::mirror]->addSeparator();

    const QUndoStack& history = w.draft().history();
    const std::vector<Command> table = {
        {Menu::file, EditorText::tr("Новый"), {QKeySequence::New}, [&w] { w.newLevel(); }},
        {Menu::file, EditorText::tr("Открыть…"), {QKeySequence::Open}, [&w] { w.open(); }},
        {Menu::file, EditorText::tr("Импорт картинки по порогу…"), {QKeySequence(Qt::CTRL | Qt::Key_I)}, [&w] { w.importPicture(); }},
        {Menu::file, EditorText::tr("Сохранить"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, [&w] { w.save(); }},
        {Menu::file, EditorText::tr("Сохранить как…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, [&w] { w.saveAs(); }},
        {Menu::file, {}},
        {Menu::file, EditorText::tr("Играть"), {QKeySequence(Qt::Key_F5)}, [&w] { w.play(); }, nullptr, 4},
        {Menu::file, {}},
        {Menu::file, EditorText::tr("Закрыть"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [&w] { w.close(); }},
        // The history names the step in the text and disables what it cannot do.
        {Menu::edit, EditorText::tr("Отменить"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, {},
         history.createUndoAction(&w, EditorText::tr("Отменить:")), 1},
        {Menu::edit, EditorText::tr("Повторить"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, {},
         history.createRedoAction(&w, EditorText::tr("Повторить:")), 2},
        {Menu::edit, EditorText::tr("Случайный лабиринт"), {QKeySequence(Qt::CTRL | Qt::Key_R)}, [&w] { w.randomMaze(); }, nullptr, 3},
        {Menu::mirror, EditorText::tr("Следующее зеркало"), {QKeySequence(Qt::Key_9)},
         [mirrors] {
             const QList<QAction*> all = mirrors->actions();
             all[(all.indexOf(mirrors->checkedAction()) + 1) % all.size()]->trigger();
         }},
        {Menu::view, EditorText::tr("Крупнее"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [&canvas] { canvas.setZoom(canvas.zoom() + 1); }},
        {Menu::view, EditorText::tr("Мельче"), {QKeySequence::ZoomOut}, [&canvas] { canvas.setZoom(canvas.zoom() - 1); }},
    };
    std::map<int, QAction*> onBar;
    for (const Command& c : table) {
        QMenu* menu = menus[c.menu];
        if (c.text.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = c.made ? c.made : new QAction(c.text, &w);
        menu->addAction(action);
        setKeys(action, c.text, c.keys);
        if (c.run) QObject::connect(action, &QAction::triggered, &w, c.run);
        if (c.barPlace > 0) onBar[c.barPlace] = action;
    }

    auto* mirrorButton = new QToolButton(tools);
    mirrorButton->setMenu(menus[Menu::mirror]);
    mirrorButton->setPopupMode(QToolButton::InstantPopup);
    const auto showMirror = [mirrorButton, mirrors] { mirrorButton->setText(EditorText::tr("Зеркало: %1").arg(mirrors->checkedAction()->text())); };
    QObject::connect(mirrors, &QActionGroup::triggered, mirrorButton, showMirror);
    showMirror();
    tools->addWidget(mirrorButton);
    w.addToolBarBreak();
    QToolBar* actions = toolBar(w, EditorText::tr("Действия"), QStringLiteral("editorActions"), Qt::ToolButtonTextOnly);
    for (const auto& [place, action] : onBar) actions->addAction(action);
    for (QToolButton* button : w.findChildren<QToolButton*>()) button->setFocusPolicy(Qt::NoFocus);
}

}  // namespace krivol

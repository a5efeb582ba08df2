// A random maze from the generator, as one step of the history.
#include <QInputDialog>
#include <QRandomGenerator>

#include "mazegen/maze_command.h"
#include "mazegen/maze_generator.h"
#include "shell/editor/editor_panel.h"
#include "shell/editor/editor_text.h"
#include "shell/editor/editor_window.h"

namespace krivol {

namespace {

// In the order of kMazeStyles.
const char* const kStyleNames[] = {QT_TRANSLATE_NOOP("Editor", "залы со столбами"),
                                   QT_TRANSLATE_NOOP("Editor", "классический лабиринт"),
                                   QT_TRANSLATE_NOOP("Editor", "длинные галереи"),
                                   QT_TRANSLATE_NOOP("Editor", "один из трёх, по зерну")};

QString styleName(MazeStyle style) { return EditorText::tr(kStyleNames[static_cast<size_t>(style)]); }

}  // namespace

void EditorWindow::randomMaze() {
    QStringList names;
    for (MazeStyle style : kMazeStyles) names << styleName(style);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(this, EditorText::tr("Случайный лабиринт"), EditorText::tr("Стиль:"),
                                                 names, static_cast<int>(mazeStyle_), false, &ok);
    if (!ok) return;
    mazeStyle_ = kMazeStyles[static_cast<size_t>(names.indexOf(chosen))];
    randomMaze(QRandomGenerator::global()->generate());
}

void EditorWindow::randomMaze(std::uint32_t seed) {
    const MazeOptions options{kStyleLoops, draft_.mirror(), mazeStyle_};
    Rnd rnd(seed);
    draft_.replace(generateMaze(rnd, options), EditorText::tr("случайный лабиринт"));
    panel_->showSeed(seed);
    // The same maze again, here or from the headless tool.
    panel_->showNote(EditorText::tr("Случайный лабиринт «%1», зерно %2. Тот же лабиринт: %3")
                         .arg(styleName(mazeStyle_))
                         .arg(seed)
                         .arg(generateCommandLine(seed, options, EditorText::tr("УРОВЕНЬ.BMP"))));
}

}  // namespace krivol

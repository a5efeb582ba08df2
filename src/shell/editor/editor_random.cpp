// A random maze from the generator, as one step of the history.
#include <QRandomGenerator>

#include "mazegen/maze_generator.h"
#include "shell/editor/editor_panel.h"
#include "shell/editor/editor_window.h"

namespace krivol {

void EditorWindow::randomMaze() { randomMaze(QRandomGenerator::global()->generate()); }

void EditorWindow::randomMaze(std::uint32_t seed) {
    MazeOptions options;
    options.mirror = draft_.mirror();
    Rnd rnd(seed);
    draft_.replace(generateMaze(rnd, options), QStringLiteral("случайный лабиринт"));
    panel_->showSeed(seed);
    // The same maze again, here or from the headless tool.
    panel_->showNote(QStringLiteral("Случайный лабиринт: зерно %1, петли %2 %, зеркало %3. Тот же лабиринт: "
                            "krivol-cli generate --seed %1 --loops %2 --mirror %3 УРОВЕНЬ.BMP")
                 .arg(seed)
                 .arg(options.loopsPercent)
                 .arg(mirrorName(options.mirror)));
}

}  // namespace krivol

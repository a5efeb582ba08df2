// A random maze from the generator, as one step of the history.
#include <QLineEdit>
#include <QRandomGenerator>

#include "mazegen/maze_generator.h"
#include "shell/editor/editor_canvas.h"
#include "shell/editor/editor_window.h"

namespace krivol {

std::uint32_t EditorWindow::freshSeed() { return QRandomGenerator::global()->generate(); }

void EditorWindow::randomMaze(std::uint32_t seed) {
    canvas_->finishStroke();
    MazeOptions options;
    options.mirror = draft_.mirror();
    Rnd rnd(seed);
    draft_.replace(generateMaze(rnd, options), QStringLiteral("Случайный лабиринт"));
    seedEdit_->setText(QString::number(seed));
    // The same maze again, here or from the headless tool.
    showNote(QStringLiteral("Случайный лабиринт: зерно %1, петли %2 %, зеркало %3. Тот же лабиринт: "
                            "krivol-cli generate --seed %1 --loops %2 --mirror %3 УРОВЕНЬ.BMP")
                 .arg(seed)
                 .arg(options.loopsPercent)
                 .arg(mirrorName(options.mirror)));
    canvas_->draftChanged();
}

}  // namespace krivol

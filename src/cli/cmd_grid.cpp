#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/level_input.h"

namespace krivol {

namespace {

QString gridText(const Field& FLD) {
    QString text;
    for (int y = 1; y <= kGridMax; ++y) {
        for (int x = 1; x <= kGridMax; ++x) {
            if (x > 1) text += QLatin1Char(' ');
            text += QString::number(FLD(x, y));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace

int runGrid(const QStringList& args, const DataFolders& folders) {
    const LevelCommandHelp help{
        QStringLiteral("grid LEVEL"),
        QStringLiteral("Prints the 50x50 cell grid that the level picture LEVEL gives:\n"
                       "line y holds the codes of cells (1, y) to (50, y), one space apart\n"
                       "(100 wall, 1 dot, 0 empty floor).\n")};
    const LevelArgument level = parseLevelArgument(args, help, folders);
    if (level.exitNow) return *level.exitNow;
    const LevelReading loaded = loadLevelGrid(level.path);
    if (!loaded.picture.ok()) {
        printErr(loaded.picture.error + QLatin1Char('\n'));
        return kExitFailed;
    }
    printOut(gridText(loaded.FLD));
    return kExitOk;
}

}  // namespace krivol

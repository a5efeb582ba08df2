#include <QCoreApplication>
#include <cstdio>

#include "files/local_path.h"
#include "shell/display_start.h"
#include "shell/editor/editor_window.h"
#include "shell/form1.h"
#include "shell/replay_hookup.h"
#include "shell/screen_scale.h"
#include "shell/ui_language.h"
#include "shell/time_seed.h"
#include "shell/window_options.h"
#include "state/build_info.h"
#include "state/data_folders.h"

namespace {

// The editor or the game, until its window is closed; the exit code.
int showWindows(const krivol::WindowOptions& o, const krivol::DataFolders& folders) {
    if (o.edit) {
        krivol::EditorWindow editor(folders, o.editFile, o.seed);
        editor.show();
        return QApplication::exec();
    }
    krivol::ReplayHookup replay(o.recordFile, o.replayFile);
    const std::uint32_t seed = replay.seed().value_or(o.seed.value_or(krivol::timeOfDaySeed()));
    krivol::Form1 window(folders, seed);
    replay.attach(window, seed);
    window.show();
    replay.begin();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    const krivol::ParsedWindowOptions parsed = krivol::parseWindowOptions(krivol::argumentsFromArgv(argc, argv));
    if (parsed.exitNow) return *parsed.exitNow;
    const krivol::WindowOptions& o = parsed.options;
    krivol::DataFolders folders = krivol::DataFolders::besideProgram(krivol::programFolder());
    if (!o.levelsFolder.isEmpty()) {
        if (const QString error = folders.preferLevelsFrom(o.levelsFolder); !error.isEmpty()) {
            std::fprintf(stderr, "krivol: %s\n", krivol::pathToLocal(error).constData());
            return 2;
        }
    }

    krivol::roundScreenScale();
    auto app = krivol::openDisplay(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("krivol"));
    QCoreApplication::setApplicationVersion(QLatin1String(krivol::build::kVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(krivol::build::kAppId));
    krivol::installTranslations(*app, krivol::windowLanguage(o.language));

    return krivol::closeDisplay(std::move(app), showWindows(o, folders));
}

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "files/local_path.h"
#include "shell/display_start.h"
#include "shell/editor/editor_window.h"
#include "shell/form1.h"
#include "shell/replay_hookup.h"
#include "shell/screen_scale.h"
#include "shell/stop_signals.h"
#include "shell/ui_language.h"
#include "shell/window_options.h"
#include "state/build_info.h"
#include "state/data_folders.h"
#include "state/time_seed.h"

namespace {

// The window's loop, with a stop signal ending it as `stop` says; the exit code.
int runWith(krivol::StopSignals& stops, std::function<void()> stop) {
    stops.onStop(std::move(stop));
    const int code = QApplication::exec();
    stops.onStop(nullptr);  // what it named is about to go
    return code;
}

// The editor or the game, until its window is closed; the exit code.
int showWindows(const krivol::WindowOptions& o, const krivol::DataFolders& folders, krivol::StopSignals& stops) {
    if (o.edit) {
        krivol::EditorWindow editor(folders, o.editFile, o.seed);
        editor.show();
        return runWith(stops, [&editor] { editor.leaveNow(); });
    }
    krivol::ReplayHookup replay(o.recordFile, o.replayFile);
    const std::uint32_t seed = replay.seed().value_or(o.seed.value_or(krivol::timeOfDaySeed(QTime::currentTime())));
    krivol::Form1 window(folders, seed);
    replay.attach(window, seed);
    window.show();
    // In the loop, where a stop signal also ends the box a broken recording opens.
    QTimer::singleShot(0, &window, [&replay] { replay.begin(); });
    // As its close button does, also with an end box open.
    return runWith(stops, [&window] { window.close(); });
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

    krivol::StopSignals stops;
    const int code = showWindows(o, folders, stops);
    return krivol::closeDisplay(std::move(app), code);
}

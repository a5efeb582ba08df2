#include "shell/sound_loader.h"

#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

#include "shell/sound/sound_module.h"
#include "state/build_info.h"

namespace krivol {

QStringList soundModulePaths(const QString& programFolder) {
    const QString name = QStringLiteral("/krivol-sound.so");
    return {programFolder + name, programFolder + QLatin1Char('/') + QLatin1String(build::kModulesFromBin) + name};
}

std::unique_ptr<SoundPort> loadSound(const QString& programFolder, const DataFolders& folders) {
    QString why = QStringLiteral("not found");
    for (const QString& path : soundModulePaths(programFolder)) {
        QLibrary module(path);  // stays loaded for as long as the program runs
        if (!module.load()) {
            if (QFileInfo::exists(path)) why = module.errorString();
            continue;
        }
        const auto open = reinterpret_cast<OpenSound>(module.resolve(kOpenSoundSymbol));
        if (!open) {
            why = module.errorString();
            continue;
        }
        std::unique_ptr<SoundPort> sound;
        open(folders, sound);
        if (sound) return sound;
    }
    std::fprintf(stderr, "krivol: no sound: the sound module krivol-sound.so: %s\n", why.toLocal8Bit().constData());
    return std::make_unique<SoundPort>();
}

}  // namespace krivol

#include "shell/sound_loader.h"

#include <cstdio>

#include "files/module_entry.h"
#include "shell/sound/sound_module.h"

namespace krivol {

std::unique_ptr<SoundPort> loadSound(const QString& programFolder, const DataFolders& folders) {
    QString why;
    std::unique_ptr<SoundPort> sound;
    if (const auto open = reinterpret_cast<OpenSound>(
            moduleEntry(programFolder, QStringLiteral("krivol-sound"), kOpenSoundSymbol, why)))
        open(folders, sound);
    if (sound) return sound;
    std::fprintf(stderr, "krivol: no sound: the sound module krivol-sound.so: %s\n", why.toLocal8Bit().constData());
    return std::make_unique<SoundPort>();
}

}  // namespace krivol

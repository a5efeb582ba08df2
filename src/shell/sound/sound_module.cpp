#include "shell/sound/sound_module.h"

#include "shell/sound/sound_player.h"

// The exported entry; its type is krivol::OpenSound.
extern "C" Q_DECL_EXPORT void krivolOpenSound(const krivol::DataFolders& folders,
                                               std::unique_ptr<krivol::SoundPort>& into) {
    into = std::make_unique<krivol::SoundPlayer>(folders);
}

#include "shell/sound/sound_player.h"

#include <QMediaDevices>

#include "files/regular_file.h"
#include "shell/sound/sink_voice.h"
#include "shell/sound/wav_clip.h"

namespace krivol {

namespace {

std::unique_ptr<Voice> makeSinkVoice(const QString& path) {
    const auto clip = loadWav(path);
    if (!clip) return nullptr;
    return std::make_unique<SinkVoice>(*clip);
}

}  // namespace

SoundPlayer::SoundPlayer(const DataFolders& folders) : SoundPlayer(folders, makeSinkVoice) {
    // Connects to the sound server now rather than inside the first request's tick.
    QMediaDevices::defaultAudioOutput();
}

SoundPlayer::SoundPlayer(const DataFolders& folders, const VoiceMaker& make) {
    const QString names[] = {"b.WAV", "g.WAV", "die.wav", QStringLiteral(u"взрыв.wav")};
    for (const QString& name : names) {
        const QString path = folders.soundFile(name);
        if (pathExists(path)) switch_.add(name, make(path));
    }
}

void SoundPlayer::WAV(const QString& name) { switch_.request(name); }

}  // namespace krivol

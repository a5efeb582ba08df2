#include "shell/sound/sound_switch.h"

namespace krivol {

void SoundSwitch::add(const QString& name, std::unique_ptr<Voice> voice) {
    if (voice) voices_.emplace_back(name, std::move(voice));
}

void SoundSwitch::request(const QString& name) {
    if (current_) current_->stop();
    current_ = find(name);
    if (current_) current_->start();
}

Voice* SoundSwitch::find(const QString& name) const {
    // Exact match: the names are file names on a case-sensitive file system.
    for (const auto& [known, voice] : voices_)
        if (known == name) return voice.get();
    return nullptr;
}

}  // namespace krivol

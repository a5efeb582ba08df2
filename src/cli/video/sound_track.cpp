#include "cli/video/sound_track.h"

#include <algorithm>

#include "cli/video/sound_clip.h"
#include "files/regular_file.h"

namespace krivol {

namespace {

// A sound effect lasts a second or two; anything bigger is not one.
constexpr qint64 kMaxSoundBytes = 16 * 1024 * 1024;

}  // namespace

const std::vector<float>& SoundTrack::clip(const QString& name) {
    if (const auto found = clips_.find(name); found != clips_.end()) return found->second;
    QByteArray bytes;
    std::vector<float> samples;
    if (!readRegularFile(folders_.soundFile(name), kMaxSoundBytes, bytes)) samples = decodeSound(bytes);
    return clips_.emplace(name, std::move(samples)).first->second;
}

void SoundTrack::request(const QString& name, long long at) {
    starts_.push_back({std::max(at, rendered_), &clip(name)});
}

const std::vector<float>& SoundTrack::render(int count) {
    out_.assign(static_cast<size_t>(count), 0.0f);
    for (size_t i = 0; i < out_.size(); ++i, ++rendered_) {
        for (; !starts_.empty() && starts_.front().at <= rendered_; starts_.pop_front()) {
            playing_ = starts_.front().clip;
            playedUpTo_ = 0;
        }
        if (playing_ && playedUpTo_ < playing_->size()) out_[i] = (*playing_)[playedUpTo_++];
    }
    return out_;
}

}  // namespace krivol

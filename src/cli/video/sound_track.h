#pragma once
#include <QString>
#include <deque>
#include <map>
#include <vector>

#include "state/data_folders.h"

namespace krivol {

// The game's sounds laid on the video's time line: each request starts its
// file at a sample position, cutting off the one still playing, as the
// window's player does. A file that is missing or unreadable is silence.
class SoundTrack {
public:
    explicit SoundTrack(DataFolders folders) : folders_(std::move(folders)) {}

    // `at` counts samples from the start of the track, not before what was rendered.
    void request(const QString& name, long long at);
    // The next `count` samples of the track.
    const std::vector<float>& render(int count);

private:
    struct Start {
        long long at;
        const std::vector<float>* clip;
    };
    const std::vector<float>& clip(const QString& name);

    DataFolders folders_;
    std::map<QString, std::vector<float>> clips_;  // read once; nodes stay put
    std::deque<Start> starts_;
    const std::vector<float>* playing_ = nullptr;
    size_t playedUpTo_ = 0;
    long long rendered_ = 0;
    std::vector<float> out_;
};

}  // namespace krivol

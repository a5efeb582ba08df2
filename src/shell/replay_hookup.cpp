#include "shell/replay_hookup.h"

#include "shell/form1.h"
#include "shell/replay_director.h"
#include "shell/replay_recorder.h"

namespace krivol {

ReplayHookup::ReplayHookup(QString recordPath, QString replayPath)
    : recordPath_(std::move(recordPath)), replayPath_(std::move(replayPath)) {
    if (!replayPath_.isEmpty()) reading_ = readReplayFile(replayPath_);
}

ReplayHookup::~ReplayHookup() = default;

std::optional<std::uint32_t> ReplayHookup::seed() const {
    if (replayPath_.isEmpty() || !reading_.error.isEmpty()) return std::nullopt;
    return reading_.recording.seed;
}

void ReplayHookup::attach(Form1& form, std::uint32_t seed) {
    if (!recordPath_.isEmpty()) {
        recorder_ = std::make_unique<ReplayRecorder>(recordPath_, seed, form.state(),
                                                     [&form](const QString& why) { form.showNote(why, true); });
        form.addWatcher(*recorder_);
    }
    if (!replayPath_.isEmpty()) {
        director_ = std::make_unique<ReplayDirector>(form, reading_, replayPath_);
        form.addWatcher(*director_);
    }
}

void ReplayHookup::begin() {
    if (director_) director_->begin();
}

}  // namespace krivol

#include "replay/recorded_level.h"

namespace krivol {

RecordedLevel findRecordedLevel(const DataFolders& folders, const Record& start) {
    RecordedLevel level;
    level.path = folders.levelFile(start.level);
    level.picture = loadLevelPicture(level.path);
    // Bytes that no longer decode are not the recorded ones either, but the
    // loader's reason says more.
    if (!level.picture.ok()) level.match = RecordedLevel::Match::unreadable;
    else if (level.picture.sha256 != start.sha256) level.match = RecordedLevel::Match::changed;
    return level;
}

QString RecordedLevel::error() const {
    switch (match) {
    case Match::same: break;
    case Match::unreadable: return picture.error + QStringLiteral(" (the recording needs it)");
    case Match::changed: return path + QStringLiteral(": changed since the recording (its SHA-256 differs)");
    }
    return {};
}

}  // namespace krivol

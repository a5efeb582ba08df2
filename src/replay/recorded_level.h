#pragma once
#include <QString>

#include "replay/record.h"
#include "state/data_folders.h"
#include "state/level.h"

namespace krivol {

// The level file a recorded start names, looked up in `folders` the way the
// game looks it up, and whether it still holds the recorded bytes.
struct RecordedLevel {
    enum class Match { same, unreadable, changed };
    Match match = Match::same;
    QString path;
    LevelPicture picture;  // why it is unreadable
    // In English, naming the file; empty when it is the same.
    QString error() const;
};
RecordedLevel findRecordedLevel(const DataFolders& folders, const Record& start);

}  // namespace krivol

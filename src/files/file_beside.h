#pragma once
#include <QByteArray>
#include <QString>

#include "files/regular_file.h"

namespace krivol {

// Writes a file so that a crash or a full disk never leaves half of it under
// its name: the bytes go into a new file beside the target, which takes the
// target's name only once all of it is on disk. Until then the target keeps
// its old bytes; a writer that gives up leaves nothing behind.
class FileBeside {
public:
    FileBeside() = default;
    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;
    ~FileBeside();  // removes the new file unless it was committed

    // Creates the new file beside `target`. The target may be missing or a
    // regular file (a link to one is followed); a folder, FIFO, socket or
    // device is refused before anything is made.
    FileProblem open(const QString& target);
    FileProblem write(const char* data, qint64 size);
    FileProblem write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // For writers that open files by name themselves. Written through them,
    // the new file is only checked at commit.
    QString tempPath() const { return temp_; }
    // Syncs the new file and renames it over the target. Unsynced, the file
    // still survives the program dying at any point, not the machine: for
    // copies written often where a sync would cost more than a frame.
    enum class Sync { toDisk, none };
    FileProblem commit(Sync sync = Sync::toDisk);

private:
    void discard();

    QString target_, temp_;
    int fd_ = -1;
};

// The whole of `bytes` as the file `target`, through FileBeside.
FileProblem writeFileAtomically(const QString& target, const QByteArray& bytes,
                                FileBeside::Sync sync = FileBeside::Sync::toDisk);

}  // namespace krivol

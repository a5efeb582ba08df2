#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "files/file_lock.h"
#include "files/regular_file.h"
#include "state/field.h"

namespace krivol {

// What an editor keeps of a draft with unsaved changes, so that an editor
// that dies leaves the drawing for the next one.
struct RecoveryCopy {
    Field grid;                 // cells 1..50: wall, corridor or floor
    QString file;               // the level it belongs to; empty for a new level
    bool savesInPlace = false;  // Ctrl+S writes that file rather than asking
    QDateTime written;          // UTC, to the second
};

// Why bytes are not a recovery copy.
enum class CopyDamage {
    none,
    foreign,  // not a copy at all, or one of a later version
    cut,      // ends before its last line
    badLine,  // a line that is not what belongs there
};

struct RecoveryReading {
    std::optional<RecoveryCopy> copy;
    CopyDamage damage = CopyDamage::none;
    int line = 0;  // badLine: 1-based
};

// A small text: a few header lines, the grid as 50 rows of '#', '.', '-'.
QByteArray recoveryBytes(const RecoveryCopy& copy);
RecoveryReading readRecoveryBytes(const QByteArray& bytes);

// $XDG_STATE_HOME/krivol, or ~/.local/state/krivol when that is unset or
// not an absolute path.
QString recoveryFolderFor(const QString& xdgStateHome, const QString& home);

// One running editor's copy, under a name no other editor, running or gone,
// has. The name is claimed at the first write and held by a lock file, so a
// copy whose lock can be taken is one whose editor is gone.
class RecoverySlot {
public:
    RecoverySlot(QString folder, qint64 pid) : folder_(std::move(folder)), pid_(pid) {}
    RecoverySlot(const RecoverySlot&) = delete;
    RecoverySlot& operator=(const RecoverySlot&) = delete;
    ~RecoverySlot();  // a copy still there stays for the next editor

    // Whole or not at all: beside, then renamed over the last one.
    FileProblem write(const RecoveryCopy& copy);
    void remove();
    bool hasCopy() const { return written_; }
    QString copyPath() const { return copy_; }

private:
    FileProblem claim();

    QString folder_;
    qint64 pid_;
    FileLock lock_;
    QString copy_;
    bool written_ = false;
};

// A copy left by an editor that is gone; its lock is held while it is
// offered, so a second editor starting at once does not offer it too.
struct FoundCopy {
    QString path;
    RecoveryCopy copy;
    FileLock lock;
};

// A file named like a copy that could not be read as one.
struct SkippedCopy {
    QString path;
    FileProblem problem;  // could not be read at all
    CopyDamage damage = CopyDamage::none;
    int line = 0;
};

struct FoundCopies {
    std::vector<FoundCopy> copies;  // newest first
    std::vector<SkippedCopy> skipped;
};

// At most kMaxFoundCopies copies are looked at; the copies of running
// editors are left out.
constexpr int kMaxFoundCopies = 32;
FoundCopies findLeftCopies(const QString& folder);
// The copy and its lock file.
void removeFound(FoundCopy& found);

}  // namespace krivol

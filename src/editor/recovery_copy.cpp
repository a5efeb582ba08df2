#include "editor/recovery_copy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

#include "files/file_beside.h"
#include "files/local_path.h"

namespace krivol {

namespace {

constexpr char kFirstLine[] = "krivol recovery copy 1";
constexpr char kCopySuffix[] = ".draft";
constexpr char kLockSuffix[] = ".lock";
constexpr int kHeaderLines = 4;
constexpr int kLines = kHeaderLines + kGridMax + 1;  // and "end"
// A copy is under 3 KB; anything much larger is not one.
constexpr qint64 kMaxCopyBytes = 16 * 1024;

char cellChar(Integer code) {
    if (code == cell::kWall) return '#';
    if (code == cell::kDot) return '.';
    return '-';  // the editor's grids hold nothing else, as a saved level
}

std::optional<Integer> cellCodeOf(char c) {
    switch (c) {
    case '#': return cell::kWall;
    case '.': return cell::kDot;
    case '-': return cell::kFloor;
    default: return std::nullopt;
    }
}

// "key value": the value, or nothing when the key is not there.
std::optional<QByteArray> valueOf(const QByteArray& line, const QByteArray& key) {
    if (line == key) return QByteArray();
    if (!line.startsWith(key + ' ')) return std::nullopt;
    return line.mid(key.size() + 1);
}

RecoveryReading damaged(CopyDamage damage, int line = 0) {
    RecoveryReading r;
    r.damage = damage;
    r.line = line;
    return r;
}

// The number of the first bad header line, or 0.
int readHeader(const QList<QByteArray>& lines, RecoveryCopy& copy) {
    const auto file = valueOf(lines[1], "file");
    if (!file) return 2;
    copy.file = pathFromLocal(QByteArray::fromPercentEncoding(*file));
    const auto inPlace = valueOf(lines[2], "in-place");
    if (!inPlace || (*inPlace != "0" && *inPlace != "1")) return 3;
    copy.savesInPlace = *inPlace == "1";
    const auto written = valueOf(lines[3], "written");
    if (written) copy.written = QDateTime::fromString(QString::fromLatin1(*written), Qt::ISODate);
    return written && copy.written.isValid() ? 0 : 4;
}

// mkdir -p, the last folder private: the copies are the player's drawings.
FileProblem makeFolder(const QString& folder) {
    const QByteArray local = pathToLocal(folder);
    if (::mkdir(local.constData(), 0700) == 0 || errno == EEXIST) return {};
    if (errno != ENOENT) return writeProblem(errno);
    if (!QDir().mkpath(QFileInfo(folder).absolutePath())) return {FileFault::noPermission};
    if (::mkdir(local.constData(), 0700) == 0 || errno == EEXIST) return {};
    return writeProblem(errno);
}

QString lockPathOf(const QString& copyPath) {
    return copyPath.left(copyPath.size() - qsizetype(sizeof kCopySuffix - 1)) + QLatin1String(kLockSuffix);
}

// The lock of a copy whose editor is gone; false while it runs.
bool takeLeftLock(FileLock& lock, const QString& copyPath) {
    const QString lockPath = lockPathOf(copyPath);
    if (lock.take(lockPath)) return true;
    // No lock file: its editor ended before it made one, or someone removed it.
    bool exists = false;
    return !pathExists(lockPath) && !lock.create(lockPath, exists);
}

// Lock files of editors that are gone and left no copy (killed after a save).
void removeStaleLocks(const QDir& dir) {
    const QStringList locks = dir.entryList({QStringLiteral("*") + QLatin1String(kLockSuffix)}, QDir::Files, QDir::Name);
    for (const QString& name : locks.mid(0, kMaxFoundCopies)) {
        const QString base = dir.filePath(name.chopped(qsizetype(sizeof kLockSuffix - 1)));
        FileLock lock;
        if (!pathExists(base + QLatin1String(kCopySuffix)) && lock.take(dir.filePath(name))) lock.removeAndRelease();
    }
}

}  // namespace

QByteArray recoveryBytes(const RecoveryCopy& copy) {
    QByteArray b;
    b.reserve(128 + (kGridMax + 1) * kGridMax + pathToLocal(copy.file).size() * 3);
    b += kFirstLine;
    b += "\nfile ";
    b += pathToLocal(copy.file).toPercentEncoding("/");
    b += "\nin-place ";
    b += copy.savesInPlace ? '1' : '0';
    b += "\nwritten ";
    b += copy.written.toUTC().toString(Qt::ISODate).toLatin1();
    b += '\n';
    for (int y = 1; y <= kGridMax; ++y) {
        for (int x = 1; x <= kGridMax; ++x) b += cellChar(copy.grid(x, y));
        b += '\n';
    }
    b += "end\n";
    return b;
}

RecoveryReading readRecoveryBytes(const QByteArray& bytes) {
    if (!bytes.startsWith(QByteArray(kFirstLine) + '\n')) return damaged(CopyDamage::foreign);
    QList<QByteArray> lines = bytes.split('\n');
    // A whole copy ends with a line break, so split leaves one empty piece.
    if (lines.size() < kLines + 1 || lines[kLines - 1] != "end") return damaged(CopyDamage::cut);
    if (lines.size() > kLines + 1 || !lines.back().isEmpty()) return damaged(CopyDamage::badLine, kLines + 1);
    RecoveryCopy copy;
    if (const int bad = readHeader(lines, copy)) return damaged(CopyDamage::badLine, bad);
    for (int y = 1; y <= kGridMax; ++y) {
        const QByteArray& row = lines[kHeaderLines + y - 1];
        if (row.size() != kGridMax) return damaged(CopyDamage::badLine, kHeaderLines + y);
        for (int x = 1; x <= kGridMax; ++x) {
            const auto code = cellCodeOf(row[x - 1]);
            if (!code) return damaged(CopyDamage::badLine, kHeaderLines + y);
            copy.grid.set(x, y, *code);
        }
    }
    RecoveryReading r;
    r.copy = std::move(copy);
    return r;
}

QString recoveryFolderFor(const QString& xdgStateHome, const QString& home) {
    const QString base = QDir::isAbsolutePath(xdgStateHome) ? xdgStateHome : home + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/krivol"));
}

RecoverySlot::~RecoverySlot() {
    // A copy still there is a drawing the next editor offers; its lock file
    // keeps the name from an editor that gets this one's process id.
    if (!written_) lock_.removeAndRelease();
}

FileProblem RecoverySlot::claim() {
    if (FileProblem p = makeFolder(folder_)) return p;
    for (int n = 1; n <= 1000; ++n) {
        const QString base = QStringLiteral("%1/%2-%3").arg(folder_).arg(pid_).arg(n);
        bool exists = false;
        const FileProblem p = lock_.create(base + QLatin1String(kLockSuffix), exists);
        if (exists) continue;
        if (p) return p;
        copy_ = base + QLatin1String(kCopySuffix);
        if (!pathExists(copy_)) return {};
        lock_.removeAndRelease();  // a copy left by an editor that had this process id
    }
    return {FileFault::failed, 0, QStringLiteral("no free name")};
}

FileProblem RecoverySlot::write(const RecoveryCopy& copy) {
    if (!lock_.held()) {
        if (FileProblem p = claim()) return p;
    }
    // Unsynced: the copy is for an editor that dies, and a sync would cost the
    // window many frames on a busy disk.
    if (FileProblem p = writeFileAtomically(copy_, recoveryBytes(copy), FileBeside::Sync::none)) return p;
    written_ = true;
    return {};
}

void RecoverySlot::remove() {
    if (written_) ::unlink(pathToLocal(copy_).constData());
    written_ = false;
}

FoundCopies findLeftCopies(const QString& folder) {
    FoundCopies found;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*") + QLatin1String(kCopySuffix)},
                                            QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names.mid(0, kMaxFoundCopies)) {
        const QString path = dir.filePath(name);
        FileLock lock;
        // No lock file: its editor ended before it made one, or someone removed it.
        if (!takeLeftLock(lock, path)) continue;  // a running editor's
        QByteArray bytes;
        if (FileProblem p = readRegularFile(path, kMaxCopyBytes, bytes)) {
            found.skipped.push_back({path, p});
            continue;
        }
        RecoveryReading r = readRecoveryBytes(bytes);
        if (!r.copy) {
            found.skipped.push_back({path, {}, r.damage, r.line});
            continue;
        }
        found.copies.push_back({path, std::move(*r.copy), std::move(lock)});
    }
    removeStaleLocks(dir);
    std::stable_sort(found.copies.begin(), found.copies.end(),
                     [](const FoundCopy& a, const FoundCopy& b) { return a.copy.written > b.copy.written; });
    return found;
}

void removeFound(FoundCopy& found) {
    ::unlink(pathToLocal(found.path).constData());
    found.lock.removeAndRelease();
}

}  // namespace krivol

#include "files/file_beside.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "files/local_path.h"

namespace krivol {

namespace {

// A link to a file is followed, so the link stays and the file changes.
QByteArray resolvedTarget(const QByteArray& local) {
    struct stat link {};
    if (::lstat(local.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) return local;
    char resolved[PATH_MAX];
    return ::realpath(local.constData(), resolved) ? QByteArray(resolved) : local;
}

FileProblem targetProblem(const QByteArray& local, mode_t& mode) {
    struct stat st {};
    if (::stat(local.constData(), &st) != 0) {
        if (errno == ENOENT) return {};  // a new file
        return writeProblem(errno);
    }
    if (S_ISDIR(st.st_mode)) return {FileFault::folder};
    if (S_ISFIFO(st.st_mode)) return {FileFault::fifo};
    if (S_ISSOCK(st.st_mode)) return {FileFault::socket};
    if (!S_ISREG(st.st_mode)) return {FileFault::device};
    mode = st.st_mode & 07777;
    return {};
}

// "dir/.name.XXXXXX": hidden, in the same folder, so the rename cannot cross disks.
QByteArray tempTemplate(const QByteArray& target) {
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
    return folder + '.' + target.mid(slash + 1) + ".XXXXXX";
}

mode_t defaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileBeside::~FileBeside() { discard(); }

FileProblem FileBeside::open(const QString& target) {
    discard();
    const QByteArray local = resolvedTarget(pathToLocal(target));
    mode_t mode = defaultMode();
    if (FileProblem p = targetProblem(local, mode)) return p;
    QByteArray name = tempTemplate(local);
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return writeProblem(errno);
    ::fchmod(fd, mode);
    fd_ = fd;
    target_ = pathFromLocal(local);
    temp_ = pathFromLocal(name);
    return {};
}

FileProblem FileBeside::write(const char* data, qint64 size) {
    if (fd_ < 0) return {FileFault::writeFailed, 0, QStringLiteral("not open")};
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return writeProblem(errno);
        data += n;
        size -= n;
    }
    return {};
}

FileProblem FileBeside::commit(Sync sync) {
    if (fd_ < 0) return {FileFault::writeFailed, 0, QStringLiteral("not open")};
    // Data not yet on disk can still fail here (a full disk on a network folder).
    if (sync == Sync::toDisk && ::fsync(fd_) != 0 && errno != EINVAL) return writeProblem(errno);
    if (::close(fd_) != 0) {
        fd_ = -1;
        return writeProblem(errno);
    }
    fd_ = -1;
    if (::rename(pathToLocal(temp_).constData(), pathToLocal(target_).constData()) != 0) return writeProblem(errno);
    temp_.clear();
    return {};
}

void FileBeside::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.isEmpty()) ::unlink(pathToLocal(temp_).constData());
    temp_.clear();
}

FileProblem writeFileAtomically(const QString& target, const QByteArray& bytes, FileBeside::Sync sync) {
    FileBeside file;
    if (FileProblem p = file.open(target)) return p;
    if (FileProblem p = file.write(bytes)) return p;
    return file.commit(sync);
}

}  // namespace krivol

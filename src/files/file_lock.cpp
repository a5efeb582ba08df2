#include "files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "files/local_path.h"

namespace krivol {

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

FileLock::~FileLock() { release(); }

FileProblem FileLock::create(const QString& path, bool& exists) {
    release();
    exists = false;
    // Locked under a hidden name first, then linked to its own: link() never
    // replaces a file, and nobody sees the name before it is locked.
    const QByteArray local = pathToLocal(path);
    const qsizetype slash = local.lastIndexOf('/');
    QByteArray temp = local.left(slash + 1) + ".lock.XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return writeProblem(errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        ::close(fd);
        return writeProblem(error);
    }
    const int linked = ::link(temp.constData(), local.constData());
    const int error = errno;
    ::unlink(temp.constData());
    if (linked != 0) {
        ::close(fd);
        exists = error == EEXIST;
        return writeProblem(error);
    }
    fd_ = fd;
    path_ = path;
    return {};
}

bool FileLock::take(const QString& path) {
    release();
    const int fd = ::open(pathToLocal(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    return true;
}

void FileLock::removeAndRelease() {
    if (fd_ >= 0) ::unlink(pathToLocal(path_).constData());
    release();
}

void FileLock::release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    path_.clear();
}

}  // namespace krivol

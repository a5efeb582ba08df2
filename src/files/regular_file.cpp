#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/local_path.h"

namespace krivol {

namespace {

FileProblem fromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return {FileFault::missing};
    case ELOOP: return {FileFault::symlinkLoop};
    case EISDIR: return {FileFault::folder};
    case EACCES:
    case EPERM: return {FileFault::noPermission};
    default: return {FileFault::failed, 0, QString::fromLocal8Bit(std::strerror(error)), error};
    }
}

FileProblem kindProblem(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return {FileFault::folder};
    if (S_ISFIFO(mode)) return {FileFault::fifo};
    if (S_ISSOCK(mode)) return {FileFault::socket};
    if (S_ISCHR(mode) || S_ISBLK(mode)) return {FileFault::device};
    return {FileFault::failed, 0, QStringLiteral("not a regular file")};
}

FileProblem statProblem(const QByteArray& local, struct stat& st) {
    if (::stat(local.constData(), &st) == 0) return {};
    const int error = errno;
    struct stat link {};
    if (error == ENOENT && ::lstat(local.constData(), &link) == 0) return {FileFault::danglingLink};
    return fromErrno(error);
}

// Hands a descriptor to `file`, which closes it from then on.
FileProblem adopt(int fd, QFile& file, QIODevice::OpenMode mode) {
    if (file.open(fd, mode, QFileDevice::AutoCloseHandle)) return {};
    ::close(fd);
    return {FileFault::failed, 0, file.errorString()};
}

}  // namespace

QString describe(const FileProblem& p) {
    switch (p.fault) {
    case FileFault::none: return {};
    case FileFault::missing: return QStringLiteral("no such file");
    case FileFault::danglingLink: return QStringLiteral("a symbolic link to a file that does not exist");
    case FileFault::symlinkLoop: return QStringLiteral("symbolic links that lead round in a loop");
    case FileFault::folder: return QStringLiteral("is a folder, not a file");
    case FileFault::fifo: return QStringLiteral("is a named pipe (FIFO), not a regular file");
    case FileFault::socket: return QStringLiteral("is a socket, not a regular file");
    case FileFault::device: return QStringLiteral("is a device, not a regular file");
    case FileFault::noPermission: return QStringLiteral("permission denied");
    case FileFault::tooLarge: return QStringLiteral("too large (%1 bytes)").arg(p.size);
    case FileFault::failed: return QStringLiteral("cannot be read (%1)").arg(p.detail);
    case FileFault::diskFull: return QStringLiteral("the disk is full");
    case FileFault::writeFailed: return QStringLiteral("cannot be written (%1)").arg(p.detail);
    }
    return {};
}

FileProblem openRegularFile(const QString& path, QFile& file) {
    const QByteArray local = pathToLocal(path);
    struct stat st {};
    if (FileProblem p = statProblem(local, st)) return p;
    if (FileProblem p = kindProblem(st.st_mode)) return p;
    // Non-blocking, so a file swapped for a FIFO since the look cannot hang us.
    const int fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fromErrno(errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return kindProblem(st.st_mode);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return adopt(fd, file, QIODevice::ReadOnly);
}

FileProblem readRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    QFile file;
    if (FileProblem p = openRegularFile(path, file)) return p;
    if (file.size() > maxBytes) return {FileFault::tooLarge, file.size()};
    bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) return {FileFault::failed, 0, file.errorString()};
    if (bytes.size() > maxBytes) return {FileFault::tooLarge, bytes.size()};  // grew meanwhile
    return {};
}

FileProblem openForReading(const QString& path, QFile& file) {
    const QByteArray local = pathToLocal(path);
    struct stat st {};
    if (FileProblem p = statProblem(local, st)) return p;
    if (S_ISDIR(st.st_mode)) return {FileFault::folder};
    const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fromErrno(errno);
    return adopt(fd, file, QIODevice::ReadOnly);
}

FileProblem openForWriting(const QString& path, QFile& file, QIODevice::OpenMode extra) {
    const QByteArray local = pathToLocal(path);
    const int fd = ::open(local.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return writeProblem(errno);
    return adopt(fd, file, QIODevice::WriteOnly | extra);
}

FileProblem writeProblem(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return {FileFault::diskFull};
    case ENOENT:
    case ENOTDIR: return {FileFault::missing};
    case EISDIR: return {FileFault::folder};
    case EACCES:
    case EPERM: return {FileFault::noPermission};
    default: return {FileFault::writeFailed, 0, QString::fromLocal8Bit(std::strerror(error)), error};
    }
}

bool pathExists(const QString& path) {
    struct stat st {};
    return ::lstat(pathToLocal(path).constData(), &st) == 0;
}

}  // namespace krivol

#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

namespace krivol {

// Why a file could not be had. Paths here keep every byte (local_path.h).
enum class FileFault {
    none,
    missing,       // nothing of that name
    danglingLink,  // a symbolic link to nothing
    symlinkLoop,   // links that lead round in a circle
    folder,
    fifo,  // reading could wait for ever for a writer
    socket,
    device,
    noPermission,
    tooLarge,
    failed,  // any other system error, in `detail`
    diskFull,     // no room left on the disk (or over quota)
    writeFailed,  // any other error while writing, in `detail`
};

struct FileProblem {
    FileProblem() = default;
    FileProblem(FileFault f, qint64 bytes = 0, QString words = {}, int number = 0)
        : fault(f), size(bytes), detail(std::move(words)), error(number) {}

    FileFault fault = FileFault::none;
    qint64 size = 0;  // tooLarge: the file's size
    QString detail;   // failed, writeFailed: the system's words, in English
    int error = 0;    // failed, writeFailed: the system's error number, where it gave one
    explicit operator bool() const { return fault != FileFault::none; }
};

// The problem in a few English words, e.g. "is a named pipe (FIFO), not a regular file".
QString describe(const FileProblem& problem);

// Opens a regular file for reading. Anything else (FIFO, socket, device,
// folder) is refused from its metadata, before an open that could block.
FileProblem openRegularFile(const QString& path, QFile& file);
// The whole of a regular file of at most maxBytes; never reads more than that.
FileProblem readRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

// Opens anything but a folder for reading: a pipe is a fair source of lines.
FileProblem openForReading(const QString& path, QFile& file);
// Creates or truncates a file for writing; `extra` may ask for Unbuffered.
FileProblem openForWriting(const QString& path, QFile& file, QIODevice::OpenMode extra = {});

// Whether anything at all has that name, a dangling link included.
bool pathExists(const QString& path);

// The problem of a failed write or create: errno in, fault out.
FileProblem writeProblem(int error);

}  // namespace krivol

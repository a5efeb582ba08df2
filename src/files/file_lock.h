#pragma once
#include <QString>

#include "files/regular_file.h"

namespace krivol {

// A lock file held for as long as this object lives. The system drops the
// lock when its process ends however it ends (kill -9 included), so a lock
// that can be taken means its owner is gone; a reused process id means
// nothing here.
class FileLock {
public:
    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();  // lets go, leaving the file

    // Makes `path` already locked: it never exists unlocked, so nobody can
    // take it for an abandoned one. Fails, with `exists` set, when something
    // has that name.
    FileProblem create(const QString& path, bool& exists);
    // Takes an existing lock file without waiting. False when its owner
    // still holds it, or the file cannot be opened.
    bool take(const QString& path);

    bool held() const { return fd_ >= 0; }
    QString path() const { return path_; }
    // Removes the file, then lets go.
    void removeAndRelease();
    void release();

private:
    int fd_ = -1;
    QString path_;
};

}  // namespace krivol

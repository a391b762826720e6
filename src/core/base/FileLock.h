// An advisory lock (flock) on a lock file beside a store's file, held for one load-modify-save so
// that two processes never interleave theirs. Re-entrant within the process: a change announced
// while the lock is held may start another edit of the same file without waiting for itself.
#pragma once

#include <QString>

class FileLock
{
public:
    // Waits for the lock at most kWait; without it (no lock file possible, or a holder that
    // never lets go) the edit goes ahead unlocked rather than being lost, and a warning says so.
    explicit FileLock(const QString &lockPath);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool isLocked() const { return m_locked; }

private:
    QString m_path;
    bool m_locked = false;
};

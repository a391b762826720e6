// An advisory lock (flock) on a lock file beside a store's file, held for each load-modify-save so
// that two processes never interleave theirs. The kernel drops it with the holder's descriptor:
// a holder that was killed blocks nobody.
//
// The lock is taken without waiting in the call: when another process holds it, the operation is
// queued and tried again on a timer, so the event loop goes on (another process holds it for one
// read and one write of a small file, a few milliseconds). Operations run on the main thread in
// the order they were asked for. Re-entrant within the process: an operation that announces a
// change may start another edit of the same file, which runs at once.
#pragma once

#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>
#include <optional>

class FileLock
{
public:
    // Beyond this a holder is taken to be stuck (stopped, or on a hung file system): what waits
    // runs without the lock rather than being lost, and a warning says so.
    static constexpr std::chrono::milliseconds kWait{5000};

    explicit FileLock(const QString &lockPath);
    // Runs what is still queued (see finish()).
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Runs `operation` holding the lock: at once when nothing waits before it and the lock is
    // free (or held by this process), otherwise once the lock comes free.
    void run(std::function<void()> operation);
    // Something waits for the lock.
    bool isWaiting() const { return !m_queue.empty(); }
    // Waits for the lock here and runs what is queued, without returning to the event loop: for
    // the callers that need the outcome at once and have no event loop to keep going (a store's
    // first load, the command line, a store that goes away).
    void finish();

private:
    // Runs the queue if the lock can be had now, or the holder has had it too long.
    void drain();

    QString m_path;
    std::deque<std::function<void()>> m_queue;
    bool m_running = false;
    std::optional<std::chrono::steady_clock::time_point> m_waitingSince;
    QTimer m_retry;
};

#include "base/FileLock.h"

#include "base/Logging.h"
#include "base/MainThread.h"

#include <QFile>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// How often a queued operation tries the lock again. Short against a holder's few milliseconds,
// long enough that a wait costs next to nothing.
constexpr auto kRetry = 5ms;
constexpr auto kPoll = 2ms; // the same, in finish()

struct Held {
    int fd = -1;
    int depth = 0;
};

// Locks this process holds, by lock file; used on the main thread only.
QHash<QString, Held> &held()
{
    static QHash<QString, Held> locks;
    return locks;
}

enum class Outcome { Locked, Busy, Failed };

Outcome acquire(const QString &path, QString *problem)
{
    Held &entry = held()[path];
    if (entry.depth > 0) {
        ++entry.depth;
        return Outcome::Locked;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        entry = {fd, 1};
        return Outcome::Locked;
    }
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    held().remove(path);
    *problem = QString::fromLocal8Bit(strerror(error));
    return fd >= 0 && (error == EWOULDBLOCK || error == EINTR) ? Outcome::Busy : Outcome::Failed;
}

void release(const QString &path)
{
    const auto it = held().find(path);
    if (it == held().end() || --it->depth > 0)
        return;
    // Closing the descriptor releases the lock.
    ::close(it->fd);
    held().erase(it);
}
} // namespace

FileLock::FileLock(const QString &lockPath) : m_path(lockPath)
{
    m_retry.setInterval(kRetry);
    m_retry.callOnTimeout([this] { drain(); });
}

FileLock::~FileLock()
{
    finish();
}

void FileLock::run(std::function<void()> operation)
{
    MainThread::check(Q_FUNC_INFO);
    if (m_running) {
        // Started by an operation that holds the lock already.
        operation();
        return;
    }
    m_queue.push_back(std::move(operation));
    drain();
}

void FileLock::finish()
{
    // While an operation runs, the queue is being run already.
    while (!m_queue.empty() && !m_running) {
        drain();
        if (!m_queue.empty())
            std::this_thread::sleep_for(kPoll);
    }
}

void FileLock::drain()
{
    if (m_queue.empty() || m_running)
        return;
    QString problem;
    const Outcome outcome = acquire(m_path, &problem);
    if (outcome == Outcome::Busy) {
        const auto now = std::chrono::steady_clock::now();
        if (!m_waitingSince)
            m_waitingSince = now;
        if (now - *m_waitingSince < kWait) {
            if (!m_retry.isActive())
                m_retry.start();
            return;
        }
        problem = QStringLiteral("another process holds it");
    }
    if (outcome != Outcome::Locked)
        qCWarning(lcSystem, "Cannot lock %s (%s); saving without the lock", qUtf8Printable(m_path),
                  qUtf8Printable(problem));
    m_retry.stop();
    m_waitingSince.reset();
    m_running = true;
    while (!m_queue.empty()) {
        const std::function<void()> operation = std::move(m_queue.front());
        m_queue.pop_front();
        operation();
    }
    m_running = false;
    if (outcome == Outcome::Locked)
        release(m_path);
}

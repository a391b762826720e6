#include "base/FileLock.h"

#include "base/Logging.h"

#include <QFile>
#include <QHash>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// Another process holds the lock only for one read and one write of a small file; this is far
// beyond that, and short enough that a stopped holder cannot freeze the program.
constexpr auto kWait = 5s;
constexpr auto kPoll = 2ms;

struct Held {
    int fd = -1;
    int depth = 0;
};

// Locks this process holds, by lock file. Everything runs on the main thread.
QHash<QString, Held> &held()
{
    static QHash<QString, Held> locks;
    return locks;
}
} // namespace

FileLock::FileLock(const QString &lockPath) : m_path(lockPath)
{
    Held &entry = held()[m_path];
    if (entry.depth > 0) {
        ++entry.depth;
        m_locked = true;
        return;
    }
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        held().remove(m_path);
        qCWarning(lcSystem, "Cannot lock %s (%s); saving without the lock", qUtf8Printable(m_path),
                  strerror(errno));
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            break;
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            qCWarning(lcSystem, "Cannot lock %s (%s); saving without the lock", qUtf8Printable(m_path),
                      errno == EWOULDBLOCK ? "another process holds it" : strerror(errno));
            ::close(fd);
            held().remove(m_path);
            return;
        }
        std::this_thread::sleep_for(kPoll);
    }
    entry.fd = fd;
    entry.depth = 1;
    m_locked = true;
}

FileLock::~FileLock()
{
    if (!m_locked)
        return;
    const auto it = held().find(m_path);
    if (it == held().end() || --it->depth > 0)
        return;
    // Closing the descriptor releases the lock.
    ::close(it->fd);
    held().erase(it);
}

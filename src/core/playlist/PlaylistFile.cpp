#include "playlist/PlaylistFile.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlaylistFile {

Loaded load(const QString &path, qint64 maxBytes, std::chrono::milliseconds timeLimit)
{
    Loaded result;
    using Problem = Loaded::Problem;
    const QDeadlineTimer deadline(timeLimit);
    // Non-blocking: opening a FIFO for reading would otherwise wait for a writer, for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.problem = Problem::CannotOpen;
        result.systemError = qt_error_string(errno);
        return result;
    }
    auto fail = [&](Problem problem, int error = 0) {
        ::close(fd);
        result.problem = problem;
        result.bytes.clear();
        if (error)
            result.systemError = qt_error_string(error);
        return result;
    };
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return fail(Problem::ReadError, errno);
    if (!S_ISREG(info.st_mode))
        return fail(Problem::NotAFile);
    result.size = info.st_size;
    if (info.st_size > maxBytes)
        return fail(Problem::TooLarge);
    // The size may be unknown (files in /proc say 0) or grow while reading: read up to one byte
    // beyond the cap, in pieces, watching the clock between them.
    constexpr qint64 kPiece = 1024 * 1024;
    result.bytes.reserve(qsizetype(std::min<qint64>(info.st_size, maxBytes) + 1));
    char buffer[64 * 1024];
    while (result.bytes.size() <= maxBytes) {
        if (deadline.hasExpired())
            return fail(Problem::TooSlow);
        qint64 piece = 0;
        while (piece < kPiece && result.bytes.size() <= maxBytes) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return fail(Problem::ReadError, errno);
            if (n == 0) {
                ::close(fd);
                result.size = result.bytes.size();
                return result;
            }
            result.bytes.append(buffer, qsizetype(n));
            piece += n;
        }
    }
    result.size = -1;
    return fail(Problem::TooLarge);
}

} // namespace PlaylistFile

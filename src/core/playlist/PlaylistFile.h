// A local playlist or station list file the user picked (to import it or to play it), read whole
// and safely: only a regular file (a symlink is followed), opened without blocking so that a FIFO
// or a device cannot hang the caller, at most `maxBytes`, and given up when reading takes longer
// than `timeLimit` (a slow network mount; the clock is read between pieces of a megabyte, so a
// single read the kernel never returns from is not cut short).
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

namespace PlaylistFile {

struct Loaded {
    enum class Problem {
        None,
        CannotOpen, // missing, no permission, ...: `systemError` says
        NotAFile,   // a folder, FIFO, socket or device
        TooLarge,   // `size` is its size, or -1 where the system did not know it in advance
        TooSlow,    // still not read after the time limit
        ReadError,  // `systemError` says
    };

    Problem problem = Problem::None;
    QByteArray bytes; // the content when there is no problem
    qint64 size = 0;
    QString systemError;
};

Loaded load(const QString &path, qint64 maxBytes,
            std::chrono::milliseconds timeLimit = std::chrono::seconds(5));

} // namespace PlaylistFile

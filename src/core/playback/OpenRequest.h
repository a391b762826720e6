// What the user asked to open: a link handed to the program (command line, the desktop's Open,
// the media controls' OpenUri). A network stream or playlist link is played as it is; a local
// playlist file the user chose is read here and its network entries are played; anything else
// (local audio files, other schemes) is refused with a reason the user can read.
#pragma once

#include <QString>
#include <QStringList>

struct OpenRequest {
    // Local playlist files are larger than this only by mistake.
    static constexpr qint64 maxPlaylistFileSize = 1024 * 1024;

    // The streams to play, in order (the next one when one fails); empty when refused.
    QStringList urls;
    // Why `argument` was refused (translated), empty otherwise.
    QString refusal;

    // `argument` is a URL or a path (relative to `workingDir`); with `localFiles` false only
    // network URLs are taken.
    static OpenRequest resolve(const QString &argument, const QString &workingDir, bool localFiles);
    // The playlist types a local file or a link may have (for the desktop entry and MPRIS).
    static QStringList playlistMimeTypes();
};

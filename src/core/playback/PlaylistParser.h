// Reads the playlist forms that directories and broadcasters hand out instead of a stream: PLS,
// M3U (not HLS, which GStreamer plays itself), text/uri-list, ASX and XSPF. A pure function of
// the bytes, the server's content type and the playlist's URL; lenient where real playlists are
// sloppy (CRLF, mixed case, unescaped ampersands), strict about what it hands on (network streams
// only).
#pragma once

#include "playback/Playlist.h"

#include <QByteArrayView>
#include <QUrl>

namespace PlaylistParser {

// Entries beyond this many are ignored: a station lists a handful of mirrors, not thousands.
constexpr qsizetype maxEntries = 64;

// `contentType` as the server sent it (parameters allowed, may be empty); `base` is the URL the
// playlist was finally read from (after redirects).
Playlist parse(QByteArrayView bytes, const QString &contentType, const QUrl &base);
// "PLS", "M3U", ... for the log.
QString formatName(Playlist::Format format);

} // namespace PlaylistParser

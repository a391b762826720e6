// The streams a playlist holds, for playing it: a playlist link's body (read again after the
// stream source found no audio) or a local playlist file the user opened. The forms are read by
// PlaylistReader, as an import reads them; this adds the player's rules: relative entries are
// resolved against the playlist's own URL, only network streams are taken (every other entry is
// refused, for the log), titles are cleaned, and at most maxEntries are kept.
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
// `hint`: what the file's name says (PlaylistReader::formatOfFileName).
Playlist parse(QByteArrayView bytes, PlaylistFormat hint, const QUrl &base);
// "PLS", "M3U", ... for the log.
QString formatName(Playlist::Format format);

} // namespace PlaylistParser

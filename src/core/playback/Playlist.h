// What a playlist link resolves to: its format and the network streams it lists, in order.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct PlaylistEntry {
    QString url;   // absolute, encoded
    QString title; // cleaned network text, may be empty

    friend bool operator==(const PlaylistEntry &, const PlaylistEntry &) = default;
};

struct Playlist {
    enum class Format { NotAPlaylist, Hls, Pls, M3u, UriList, Asx, Xspf };

    Format format = Format::NotAPlaylist;
    // Network streams only; relative entries resolved against the playlist's own URL.
    QList<PlaylistEntry> entries;
    // Entries that were left out, each as "<entry>: <reason>" (cleaned), for the log.
    QStringList refused;
};

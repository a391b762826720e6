// What a playlist link resolves to: its format and the network streams it lists, in order.
#pragma once

#include "playlist/PlaylistReader.h"

#include <QList>
#include <QString>
#include <QStringList>

struct PlaylistEntry {
    QString url;   // absolute, encoded
    QString title; // cleaned network text, may be empty

    friend bool operator==(const PlaylistEntry &, const PlaylistEntry &) = default;
};

struct Playlist {
    using Format = PlaylistFormat;

    Format format = Format::NotAPlaylist;
    // Network streams only; relative entries resolved against the playlist's own URL.
    QList<PlaylistEntry> entries;
    // Entries that were left out, each as "<entry>: <reason>" (cleaned), for the log.
    QStringList refused;
};

// The one reader of the playlist forms, for every use: a playlist link at play time, a local
// playlist file opened from the desktop, and a station list the user imports. PLS, M3U/M3U8 (HLS
// is recognised, not read), text/uri-list, ASX and XSPF. It reports what each entry says and on
// which line, and judges nothing: which locations are taken is the caller's rule (network streams
// to play, http and https stations to import). Lenient where real files are sloppy: CR, LF and
// CRLF line ends, UTF-16 by its byte-order mark, Latin-1 where the bytes are not UTF-8, XML tags
// in any letter case, bare ampersands. A pure function of the bytes.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

enum class PlaylistFormat { NotAPlaylist, Hls, Pls, M3u, UriList, Asx, Xspf };

namespace PlaylistReader {

// The rel of the XSPF <meta> element that carries a station's category.
inline const QString xspfCategoryRel = QStringLiteral("https://zeffira.nl/xspf/category");

struct Item {
    QString location; // trimmed, as written: may be empty (a track without one) or relative
    QString title;    // as written (not cleaned), may be empty
    QString category; // #EXTGRP or group-title, CategoryN, XSPF's category <meta>; may be empty
    int line = 0;     // 1-based: where the location (or the track without one) stands
    // A further location of the same XSPF track or ASX entry: the same station by another URL
    // (a mirror), to be tried in turn, not a station of its own.
    bool mirror = false;

    friend bool operator==(const Item &, const Item &) = default;
};

struct Document {
    enum class Stop {
        AtEnd,  // read to the end
        Hls,    // an HLS media or master playlist (`line`: its first #EXT-X- tag); no items
        NoRoot, // XML whose root is not the format's (<playlist>, <asx>); no items
        BadXml, // not well-formed at `line` (`detail`); the items before it were kept
    };

    PlaylistFormat format = PlaylistFormat::NotAPlaylist;
    QList<Item> items;
    Stop stop = Stop::AtEnd;
    int line = 0;
    QString detail; // the XML reader's own words, not cleaned
};

// What a server's content type (parameters allowed) or a file's name says the form is;
// NotAPlaylist when it says nothing.
PlaylistFormat formatOfContentType(const QString &contentType);
PlaylistFormat formatOfFileName(const QString &path);

// The text's own marks ([playlist], #EXTM3U, <asx>, an XSPF <playlist>) win over `hint`; without
// marks or hint, a text of absolute URLs is a URI list, and anything else not a playlist.
Document read(QByteArrayView bytes, PlaylistFormat hint);

// "PLS", "M3U", ... for the log and messages.
QString formatName(PlaylistFormat format);

} // namespace PlaylistReader

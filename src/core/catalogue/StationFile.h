// The station list files the catalogue is exported to and imported from: M3U (names in #EXTINF,
// categories in #EXTGRP), PLS, XSPF and the catalogue's own JSON. The playlist forms are read by
// PlaylistReader, as the player reads them; this adds the catalogue's rules: one station per
// entry, http and https URLs with a server name only (every other entry is refused with its line,
// so that it can be reported where it stands), names and categories on one clean line. Writing
// keeps the catalogue's order. PLS and XSPF have no field for a category: it goes into
// "CategoryN" lines and a <meta> element, which other players ignore. Pure functions of the bytes.
#pragma once

#include "catalogue/StationCategory.h"

#include <QByteArray>
#include <optional>

namespace StationFile {

enum class Format { M3u, Pls, Xspf, Json };

// Larger files are refused before they are read. The catalogue is read whole at every start and
// listed in the panel: 500,000 stations (12 MB of bare URLs as M3U) make a 34 MB catalogue that
// takes 2.5 s and 150 MB to load at each start. 16 MiB holds about 180,000 stations with names
// and categories as M3U, far more than a panel can list; beyond it is no station list.
constexpr qsizetype maxBytes = 16 * 1024 * 1024;

// By the file name's extension (.m3u, .m3u8, .pls, .xspf, .json, in any letter case). The forms
// other than JSON are read as what their content says where it says so (see PlaylistReader).
std::optional<Format> formatOf(const QString &path);

struct Entry {
    QString name;     // never empty: a station without a title is named after its URL
    QString url;      // http or https with a server name, as written
    QString category; // the file's group for it, or empty
    int line = 0;     // 1-based; 0 where the format has no lines to speak of
};

struct Refusal {
    int line = 0;
    QString text;   // what stood there
    QString reason; // plain English
};

struct Contents {
    QList<Entry> entries;
    QList<Refusal> refused;
    // Every category the file names, in order of appearance (empty ones too, from JSON).
    QStringList categories;
};

// The stations of a file of `format`, or nothing with `error` set when the file as a whole is not
// of that format.
std::optional<Contents> read(const QByteArray &bytes, Format format, QString *error = nullptr);
QByteArray write(const Catalogue &catalogue, Format format);

} // namespace StationFile

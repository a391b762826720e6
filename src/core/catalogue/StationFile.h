// The station list files the catalogue is exported to and imported from: M3U (names in #EXTINF,
// categories in #EXTGRP), PLS, XSPF and the catalogue's own JSON. Reading keeps each station's
// line, so that a URL that is refused can be reported where it stands; writing keeps the
// catalogue's order. PLS and XSPF have no field for a category: it goes into "CategoryN" lines
// and a <meta> element, which other players ignore. Pure functions of the bytes.
#pragma once

#include "catalogue/StationCategory.h"

#include <QByteArray>
#include <optional>

namespace StationFile {

enum class Format { M3u, Pls, Xspf, Json };

// Larger files are refused whole: a station list of this size is no station list.
constexpr qsizetype maxBytes = 16 * 1024 * 1024;

// By the file name's extension (.m3u, .m3u8, .pls, .xspf, .json, in any letter case).
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

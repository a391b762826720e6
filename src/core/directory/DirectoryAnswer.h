// Reads the directory's answer to a station search (a JSON array of station objects) into
// results. Strict about what it hands on: the answer as a whole must be a JSON array of objects
// whose known fields have their documented types, within a size bound; stations whose stream URL
// is not http(s) with a server name are left out and counted. A pure function of the bytes.
#pragma once

#include "directory/DirectoryStation.h"

#include <QByteArray>
#include <optional>

namespace DirectoryAnswer {

// Larger answers are refused: fifty stations are a few tens of KiB.
constexpr qsizetype maxBytes = 2 * 1024 * 1024;
// Stations beyond this many are ignored.
constexpr int maxResults = 50;

struct Result {
    QList<DirectoryStation> stations;
    int refused = 0; // stations left out for their URL
};

// The stations, or nothing with `error` set to a plain English reason ("not JSON: ...").
std::optional<Result> parse(const QByteArray &body, QString *error = nullptr);

} // namespace DirectoryAnswer

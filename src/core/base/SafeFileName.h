// File names made from what a station sends (titles, station names) or the user types: safe on
// every file system a music folder may sit on, and never the name of a file that is already there.
#pragma once

#include <QString>
#include <QStringView>

namespace SafeFileName {

// Bytes of UTF-8 a name part keeps: room, under the common 255-byte limit, for an extension, a
// " (99)" and ".part".
constexpr qsizetype maxBytes = 200;

// `text` as one file name part: cleaned as network text, without path separators, the characters
// other file systems refuse, control characters and leading dots; capped at maxBytes on a
// character boundary. `fallback` when nothing is left.
QString part(QStringView text, const QString &fallback);
// A path in `folder` named `base` + "." + `extension` that names no existing file (nor its
// ".part"): "base.ext", else "base (2).ext", "base (3).ext", ...; empty when none is free.
QString unusedPath(const QString &folder, const QString &base, const QString &extension);

} // namespace SafeFileName

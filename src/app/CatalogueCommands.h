// The command line's one-shot commands beside --list-stations: --search, --import, --export.
// Each prints what it did on stdout (problems on stderr) and returns the exit status.
#pragma once

#include <QString>

class QCoreApplication;

namespace CatalogueCommands {

// 0 with results or none (saying so), 1 when no directory server answered or the answer was bad.
int search(QCoreApplication &loop, const QString &text);
// 0 when the file was read and held stations (the first few refused for their URL are listed
// with their line, then how many more), 1 when it could not be read as a station list or held no
// station.
int importFile(const QString &path, const QString &category);
// 0 when the file was written, 1 otherwise.
int exportFile(const QString &path, const QString &category);

} // namespace CatalogueCommands

// Import and export of station list files, for the command line and the Stations tab alike. The
// catalogue is only ever changed through the store (its lock and atomic save); an exported file
// is written atomically too, and never onto the catalogue's own file.
#pragma once

#include "catalogue/StationImport.h"

class StationManager;

namespace CatalogueTransfer {

// A message lists this many refused entries, then how many more there are.
constexpr int listedRefusals = 5;

struct ImportOutcome {
    // Empty on success; else why nothing was imported, translated: the file could not be read, is
    // not a station list, or holds no station (`report.refused` then says what it held instead).
    QString error;
    StationImport::Report report;
};

struct ExportOutcome {
    QString error;
    int stations = 0;
    int categories = 0;
};

// Imports `path` (format by its extension) into `category`, or, when that is blank, into the
// file's own categories and a category named after the file. Only a regular file is read (no
// FIFO, device or folder), within StationFile::maxBytes and a time limit.
ImportOutcome importFile(StationManager &store, const QString &path, const QString &category);
// Exports the whole catalogue, or only `category` when it is not blank, to `path` (format by its
// extension).
ExportOutcome exportFile(const StationManager &store, const QString &path, const QString &category);

} // namespace CatalogueTransfer

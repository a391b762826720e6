// Adds what a station list file holds to a catalogue without changing anything already there:
// stations whose URL the catalogue (or the file, earlier) already has are skipped and counted;
// new categories are appended in the file's order, existing ones (matched in any letter case)
// get the new stations at their end.
#pragma once

#include "catalogue/StationFile.h"

namespace StationImport {

struct Report {
    int added = 0;
    int duplicates = 0;
    QStringList categories; // the categories stations went to, in order (as named in the catalogue)
    QList<StationFile::Refusal> refused;
};

// `category`: where every station goes; empty keeps the file's own categories, and stations the
// file gives none go to `fallbackCategory` (the file's name).
Report apply(Catalogue &catalogue, const StationFile::Contents &contents, const QString &category,
             const QString &fallbackCategory);

} // namespace StationImport

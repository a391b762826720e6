// The panel's search filter: which categories and stations a search text leaves visible.
// Pure function over a catalogue value; the list model calls it on every change of the text.
#pragma once

#include "catalogue/StationCategory.h"

// An empty text returns the catalogue unchanged, empty categories included. Otherwise only
// station names are matched (not URLs, not category names), case-insensitively and without
// trimming; categories left without a station are dropped.
Catalogue filteredCategories(const Catalogue &categories, const QString &searchText);

// The containment test the filter uses for one name.
bool stationNameMatches(const QString &name, const QString &searchText);

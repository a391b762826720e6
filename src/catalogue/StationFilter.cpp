#include "catalogue/StationFilter.h"

#include <QStringMatcher>

// Qt has no locale-aware containment test (QCollator compares whole strings only), so the
// match uses Unicode case folding: "RADIO" finds "Radio", but "e" does not find "é", which
// keeps diacritics significant as intended. Folding is locale-independent, so the Turkish
// dotted/dotless i pairs fold the default way.
bool stationNameMatches(const QString &name, const QString &searchText)
{
    return name.contains(searchText, Qt::CaseInsensitive);
}

Catalogue filteredCategories(const Catalogue &categories, const QString &searchText)
{
    if (searchText.isEmpty())
        return categories;

    // One matcher for the whole pass: its skip table is built once per keystroke, not per name.
    const QStringMatcher matcher(searchText, Qt::CaseInsensitive);
    Catalogue result;
    for (const StationCategory &category : categories) {
        QList<RadioStation> kept;
        for (const RadioStation &station : category.stations) {
            if (matcher.indexIn(station.name) >= 0)
                kept.append(station);
        }
        if (!kept.isEmpty())
            result.append(StationCategory(category.name, std::move(kept)));
    }
    return result;
}

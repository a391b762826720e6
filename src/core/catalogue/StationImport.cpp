#include "catalogue/StationImport.h"

#include <QSet>

namespace StationImport {

Report apply(Catalogue &catalogue, const StationFile::Contents &contents, const QString &category,
             const QString &fallbackCategory)
{
    Report report;
    report.refused = contents.refused;
    QSet<QString> urls;
    for (const StationCategory &existing : std::as_const(catalogue)) {
        for (const RadioStation &station : existing.stations)
            urls.insert(station.id());
    }
    // The catalogue's own name for `name` where it has one in other letter case.
    auto target = [&](const QString &name) -> StationCategory & {
        const QString known = categoryNameIgnoringCase(catalogue, name);
        const QString wanted = known.isNull() ? name : known;
        for (StationCategory &c : catalogue) {
            if (c.name == wanted)
                return c;
        }
        catalogue.append(StationCategory(wanted));
        return catalogue.last();
    };
    const QString chosen = category.trimmed();
    // The file's categories are made first, so that they keep its order; those of them that get
    // no station (all duplicates) go again below. A category the file lists empty is kept.
    QStringList made;
    if (chosen.isEmpty()) {
        for (const QString &name : contents.categories) {
            if (categoryNameIgnoringCase(catalogue, name).isNull())
                made << target(name).name;
        }
    }
    for (const StationFile::Entry &entry : contents.entries) {
        if (urls.contains(entry.url)) {
            ++report.duplicates;
            continue;
        }
        urls.insert(entry.url);
        const QString name = !chosen.isEmpty()           ? chosen
                             : !entry.category.isEmpty() ? entry.category
                                                         : fallbackCategory;
        StationCategory &into = target(name);
        into.stations.append(RadioStation(entry.name, entry.url));
        ++report.added;
        if (!report.categories.contains(into.name))
            report.categories << into.name;
    }
    QSet<QString> named;
    for (const StationFile::Entry &entry : contents.entries)
        named.insert(entry.category);
    catalogue.removeIf([&](const StationCategory &c) {
        return c.stations.isEmpty() && made.contains(c.name) && named.contains(c.name);
    });
    return report;
}

} // namespace StationImport

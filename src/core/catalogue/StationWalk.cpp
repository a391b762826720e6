#include "catalogue/StationWalk.h"

namespace StationWalk {

QList<RadioStation> allStations(const Catalogue &catalogue)
{
    QList<RadioStation> all;
    for (const StationCategory &category : catalogue)
        all.append(category.stations);
    return all;
}

namespace {
// The station's own entry when the catalogue has it (name and URL), else the first entry with
// its URL. Matching the whole record first keeps a walk from looping back at a URL that stands
// in two categories, which would make every station after the second copy unreachable.
qsizetype indexOf(const QList<RadioStation> &all, const RadioStation &station)
{
    qsizetype byUrl = -1;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i].id() != station.id())
            continue;
        if (all[i] == station)
            return i;
        if (byUrl < 0)
            byUrl = i;
    }
    return byUrl;
}
} // namespace

std::optional<RadioStation> nextStation(const Catalogue &catalogue, const RadioStation &station)
{
    const QList<RadioStation> all = allStations(catalogue);
    if (all.isEmpty())
        return std::nullopt;
    const qsizetype i = indexOf(all, station);
    return i < 0 ? all.first() : all[(i + 1) % all.size()];
}

std::optional<RadioStation> previousStation(const Catalogue &catalogue, const RadioStation &station)
{
    const QList<RadioStation> all = allStations(catalogue);
    if (all.isEmpty())
        return std::nullopt;
    const qsizetype i = indexOf(all, station);
    return i <= 0 ? all.last() : all[i - 1];
}

} // namespace StationWalk
